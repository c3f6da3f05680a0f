#include "controls/DiceLook.h"

#include "storage/MainSettings.h"

namespace {

constexpr int kStyleOffset = 2;

TColor StoredColor(const TVHRegistry& ASettings, const char* AName) {
    return static_cast<TColor>(SettingInteger(ASettings, AName));
}

void StoreColor(TVHRegistry& ASettings, const char* AName, TColor AColor) {
    SetSetting(ASettings, AName, TSettingValue(static_cast<int>(AColor)));
}

} // namespace

TDiceStyle StoredDiceStyle(const TVHRegistry& ASettings) {
    return SettingInteger(ASettings, Setting::DiceStyle) == ds3D + kStyleOffset ? ds3D : ds2D;
}

void StoreDiceStyle(TVHRegistry& ASettings, TDiceStyle AStyle) {
    SetSetting(ASettings, Setting::DiceStyle,
               TSettingValue(static_cast<int>(AStyle) + kStyleOffset));
}

void LoadDiceLook(const TVHRegistry& ASettings, const std::vector<TVHDice*>& ADice) {
    const TDiceStyle style = StoredDiceStyle(ASettings);
    for (TVHDice* die : ADice) {
        die->SetDiceStyle(style);
        die->SetDiceColor(StoredColor(ASettings, Setting::DiceColor));
        die->SetHeldColor(StoredColor(ASettings, Setting::HeldColor));
        die->SetPipColor(StoredColor(ASettings, Setting::PipColor));
    }
}

void SaveDiceLook(TVHRegistry& ASettings, const TVHDice& ADie) {
    StoreDiceStyle(ASettings, ADie.DiceStyle());
    StoreColor(ASettings, Setting::DiceColor, ADie.DiceColor());
    StoreColor(ASettings, Setting::HeldColor, ADie.HeldColor());
    StoreColor(ASettings, Setting::PipColor, ADie.PipColor());
}
