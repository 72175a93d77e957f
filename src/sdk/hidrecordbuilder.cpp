#include "hidrecordbuilder.h"

#include "cquelmohid.h"
#include "fixedtext.h"

bool buildHidRecord(const QString &path, const QMap<QString, HidInfoStu> &catalogue, hidStructInfoAll *record)
{
    if (!record)
        return false;
    HidDeviceInfoStu device{};
    HidFirmwareInfoStu firmware{};
    if (!CQuelmoHid_GetHidAndFirmwareInfoStu(path.toLatin1().constData(), &device, &firmware))
        return false;
    const std::string_view key = fixedtext::view(device.modelKey);
    const auto it = catalogue.constFind(QString::fromUtf8(key.data(), static_cast<int>(key.size())));
    if (it == catalogue.constEnd())
        return false;
    const HidInfoStu &model = it.value();

    hidStructInfoAll r{};
    fixedtext::copy(r.deviceClass, fixedtext::view(model.deviceClass));
    fixedtext::copy(r.productName, fixedtext::view(model.productName));
    fixedtext::copy(r.deviceName, fixedtext::view(model.deviceName));
    r.sdkValue1 = model.sdkValue[0];
    r.sdkValue2 = model.sdkValue[1];
    r.sdkValue3 = model.sdkValue[2];
    r.sdkValue4 = model.sdkValue[3];
    r.keyCount = model.keyCount;

    if (!fixedtext::copyWhole(r.hidPath, sizeof r.hidPath, fixedtext::view(device.hidPath)))
        return false;
    fixedtext::copy(r.modelKey, key);
    r.linkType = device.linkType;
    r.online = device.linkType == 1 ? 0 : 1;

    fixedtext::copy(r.firmwareIdText1, fixedtext::view(firmware.controllerCode));
    fixedtext::copy(r.firmwareIdText2, fixedtext::view(firmware.twoDigitCode));
    fixedtext::copy(r.firmwareIdText3, fixedtext::view(firmware.vendorCode));
    fixedtext::copy(r.firmwareVersion, fixedtext::view(firmware.firmwareVersion));

    *record = r;
    return true;
}
