#include "hidrecordbuilder.h"

#include "cquelmohid.h"
#include "fixedtext.h"

void fillModelFields(const HidInfoStu &model, hidStructInfoAll *record)
{
    fixedtext::copy(record->deviceClass, fixedtext::view(model.deviceClass));
    fixedtext::copy(record->productName, fixedtext::view(model.productName));
    fixedtext::copy(record->deviceName, fixedtext::view(model.deviceName));
    record->sdkValue1 = model.sdkValue[0];
    record->sdkValue2 = model.sdkValue[1];
    record->sdkValue3 = model.sdkValue[2];
    record->sdkValue4 = model.sdkValue[3];
    record->keyCount = model.keyCount;
}

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
    fillModelFields(model, &r);

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
