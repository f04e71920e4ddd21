#pragma once

#include <string>

// What answered the identification: one of the three known analyzer models,
// or any other device (also when the identification failed). The two
// families differ in their commands and in the format of their answers.
enum class DeviceModel {
    Other = 0,
    QV7100 = 1,
    QV7101 = 2,
    QV7102 = 3,
};

inline bool IsKnownModel(DeviceModel model) { return model != DeviceModel::Other; }

// The model named by the first six characters of an identification answer.
DeviceModel ModelOfIdentification(const std::string& answer);
