#include "app/SessionAdapters.h"

#include "controls/VHListView.h"
#include "dialogs/uHighScores.h"
#include "storage/MainSettings.h"
#include "storage/VHRegistry.h"

namespace {

class THighScoreEntry : public IHighScoreEntry {
public:
    explicit THighScoreEntry(std::function<TfrmHighScores*()> AForm) : FForm(std::move(AForm)) {}
    void ReloadTable() override {
        List().clear();
        List().LoadFromRegistry();
    }
    int RowCount() const override { return List().topLevelItemCount(); }
    int LowestScore() const override { return List().LowestScore(); }
    void AddScoreAndSelect(int ATotal, const std::string& AName) override {
        QTreeWidgetItem* row = List().AddScore(ATotal, QString::fromStdString(AName));
        List().setCurrentItem(row);
        row->setSelected(true);
    }
    void ShowHighScores() override { FForm()->exec(); }

private:
    TVHHighScoreListView& List() const { return *FForm()->lvwHighScores; }
    std::function<TfrmHighScores*()> FForm;
};

class TSessionSettings : public ISessionSettings {
public:
    explicit TSessionSettings(TVHRegistry& ASettings) : FSettings(ASettings) {}
    bool PlayDiceRollSound() const override {
        return SettingBoolean(FSettings, Setting::PlayDiceRollSound);
    }
    std::string Player() const override { return SettingText(FSettings, Setting::Player); }
    void SetPlayer(const std::string& AName) override {
        SetSetting(FSettings, Setting::Player, TSettingValue(AName));
    }

private:
    TVHRegistry& FSettings;
};

} // namespace

std::unique_ptr<IHighScoreEntry> MakeHighScoreEntry(std::function<TfrmHighScores*()> AForm) {
    return std::make_unique<THighScoreEntry>(std::move(AForm));
}

std::unique_ptr<ISessionSettings> MakeSessionSettings(TVHRegistry& ASettings) {
    return std::make_unique<TSessionSettings>(ASettings);
}
