#include "link/DeviceModel.h"

DeviceModel ModelOfIdentification(const std::string& answer)
{
    const std::string name = answer.substr(0, 6);
    if (name == "QV7100") return DeviceModel::QV7100;
    if (name == "QV7101") return DeviceModel::QV7101;
    if (name == "QV7102") return DeviceModel::QV7102;
    return DeviceModel::Other;
}
