#include "settings/Settings.h"

namespace lumbrix {

constinit const std::array<SettingField, 33> kSettingFields{{
    {"UUL", &Settings::UUL},
    {"PSN", &Settings::PSN},
    {"HAVS", &Settings::HAVS},
    {"TS", &Settings::TS},
    {"USER", &Settings::USER},
    {"NSF", &Settings::NSF},
    {"NTF", &Settings::NTF},
    {"NHF", &Settings::NHF},
    {"NCF", &Settings::NCF},
    {"FMK", &Settings::FMK},
    {"AM", &Settings::AM},
    {"FDB", &Settings::FDB},
    {"UT", &Settings::UT},
    {"FT", &Settings::FT},
    {"DT", &Settings::DT},
    {"USC", &Settings::USC},
    {"CEBColor", &Settings::CEBColor},
    {"CETColor", &Settings::CETColor},
    {"TBA", &Settings::TBA},
    {"UDF", &Settings::UDF},
    {"CEFontFace", &Settings::CEFontFace},
    {"CEFontSize", &Settings::CEFontSize},
    {"UUK", &Settings::UUK},
    {"UUD", &Settings::UUD},
    {"UK", &Settings::UK},
    {"UD", &Settings::UD},
    {"UUN", &Settings::UUN},
    {"DC", &Settings::DC},
    {"PC", &Settings::PC},
    {"DHTMLET", &Settings::DHTMLET},
    {"UDHETWJS", &Settings::UDHETWJS},
    {"UDHETWJSA", &Settings::UDHETWJSA},
    {"SO", &Settings::SO},
}};

}  // namespace lumbrix
