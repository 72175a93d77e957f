#pragma once

#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

// How a keyboard reaches the computer.
enum class LinkType : int32_t
{
    Cable = 0,
    Receiver = 1,
};

// One USB identity of a model: the keyboard on its cable, or its 2.4 GHz receiver.
struct ModelLink
{
    LinkType type = LinkType::Cable;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
};

// Identity texts the firmware check compares with a firmware image header.
struct FirmwareIdentity
{
    QString controllerCode;
    QString twoDigitCode;
    QString deviceKindCode;
    QString vendorCode;
};

// Everything the program knows about one keyboard model, from the model catalogue.
struct ModelInfo
{
    QString key; // names the layout resource, the pictures and the profile folder
    QString deviceClass = QStringLiteral("keyboard");
    QString productName;
    QString deviceName;
    int keyCount = 0;
    int hidDeviceType = 2; // 4: magnetic switches
    bool magnetic = false;
    bool statusKeyboardMode = false; // the status report carries the keyboard mode (byte 14)
    int sideLightLeds = 0;
    int interfaceNumber = -1; // -1: the vendor usage page alone picks the interface
    std::array<int32_t, 4> sdkValues{};
    QVector<ModelLink> links;
    QString layoutFile;
    QString cardPicture;
    QString keyboardPicture;
    int pictureWidth = 0;
    int pictureHeight = 0;
    FirmwareIdentity firmware;

    bool hasSideLight() const { return sideLightLeds > 0; }
    // Side-light LEDs of one streamed light frame. The frame carries the side part on every
    // model; one without a side light streams the default count (dark).
    int streamSideLeds() const { return sideLightLeds > 0 ? sideLightLeds : kDefaultStreamSideLeds; }
    static constexpr int kDefaultStreamSideLeds = 33;
    // Packets of one streamed light frame: the key packets, then the side-light packets.
    int streamFramePackets() const;
    // Light packets the I/O thread collects before it releases a frame (the frame is one more).
    int lightBatchSize() const { return streamFramePackets() - 1; }
    const ModelLink *link(LinkType type) const;
};
