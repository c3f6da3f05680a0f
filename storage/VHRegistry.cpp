#include "storage/VHRegistry.h"

#include "game/TextNumbers.h"
#include "game/Texts.h"
#include "storage/RegistryKeyPath.h"
#include "storage/StorageErrors.h"

#include <exception>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace {

std::string AsciiLowerCase(std::string AText) {
    for (char& c : AText) {
        c = AsciiLower(c);
    }
    return AText;
}

} // namespace

TVHRegistryItem::TVHRegistryItem(TVHRegistryItems& ACollection, int AIndex)
    : FCollection(ACollection), FIndex(AIndex) {}

std::string TVHRegistryItem::DisplayName() const {
    return FValueName.empty() ? std::string("TVHRegistryItem") : FValueName;
}

TVHRegistryItem& TVHRegistryItems::Add() {
    FItems.push_back(std::make_unique<TVHRegistryItem>(*this, Count()));
    return *FItems.back();
}

TVHRegistry::TVHRegistry(std::string AOwnerName, std::string AName)
    : TVHRegistry(std::move(AOwnerName), std::move(AName), CreateCurrentUserRegistry()) {}

TVHRegistry::TVHRegistry(std::string AOwnerName, std::string AName,
                         std::unique_ptr<IRegistry> ARegistry)
    : FRegistry(std::move(ARegistry)), FVHRegistryItems(*this), FOwnerName(std::move(AOwnerName)),
      FName(std::move(AName)) {}

TVHRegistry::~TVHRegistry() {
    if (!FAutoSave || FVHRegistryItems.Count() == 0)
        return;
    // The settings are written even when the event fails.
    try {
        if (OnWriteItemsToRegistry)
            OnWriteItemsToRegistry(*this);
    } catch (const std::exception& e) {
        ReportStorageError(e.what());
    } catch (...) {
        ReportStorageError(Tx("VHRegistry", "The settings could not be prepared for saving."));
    }
    try {
        WriteItems();
    } catch (const std::exception& e) {
        ReportStorageError(e.what());
    } catch (...) {
        ReportStorageError(Tx("VHRegistry", "The settings could not be saved."));
    }
}

void TVHRegistry::Loaded() {
    if (FAutoLoad)
        ReadItemsFromRegistry();
}

std::string TVHRegistry::KeyPath() const {
    return StoreKeyPath(FRegKeySoftware, FRegKeyCompany, FRegKeyAppName, FOwnerName, FName);
}

void TVHRegistry::ReadItemsFromRegistry() {
    for (int i = 0; i < FVHRegistryItems.Count(); ++i) {
        TVHRegistryItem& item = FVHRegistryItems.Items(i);
        if (!item.FStoredText)
            item.FDefaultText = SettingValueToText(item.Value());
    }
    if (auto key = FRegistry->OpenKey(PathBelowRoot(KeyPath()))) {
        // FindItem's first exact match, through an index of the items held
        // before the load: a key may hold very many values that are not the
        // game's, and the names of a key's values are distinct, so an item
        // added here is never found again.
        std::unordered_map<std::string_view, int> items;
        for (int i = FVHRegistryItems.Count() - 1; i >= 0; --i)
            items[FVHRegistryItems.Items(i).ValueName()] = i;
        const auto find = [&](const std::string& AName, int& AIndex) {
            const auto found = items.find(AName);
            if (found == items.end())
                return false;
            AIndex = found->second;
            return true;
        };
        for (const auto& [name, value] : key->Values()) {
            const std::optional<std::string> text = RegTextOf(value);
            int index = 0;
            if (!text) {
                // A setting of the wrong type is reported and keeps its value,
                // which replaces the unreadable one when the settings are
                // written. Any other value is not the game's (another tool may
                // have written it): it stays as it is, unreported.
                if (find(name, index)) {
                    ReportStorageError(InvalidDataTypeMessage(name));
                    FVHRegistryItems.Items(index).FDefaultText.reset();
                }
                continue;
            }
            TVHRegistryItem* item = nullptr;
            if (find(name, index)) {
                item = &FVHRegistryItems.Items(index);
            } else {
                item = &FVHRegistryItems.Add();
                item->SetValueName(name);
            }
            item->SetValue(*text);
            item->FStoredText = *text;
            item->FDefaultText.reset();
        }
    }
    if (OnReadItemsFromRegistry)
        OnReadItemsFromRegistry(*this);
}

void TVHRegistry::WriteItemsToRegistry() {
    if (OnWriteItemsToRegistry)
        OnWriteItemsToRegistry(*this);
    WriteItems();
}

void TVHRegistry::WriteItems() {
    const std::string path = PathBelowRoot(KeyPath());
    auto key = FRegistry->CreateKey(path);
    if (!key) {
        ReportSaveFailure(TSavedData::Settings, FRegistry->Location(),
                          TxArgs(Tx("StorageErrors", "the key %1 could not be created"), {path}));
        return;
    }
    // The registry matches names without letter case, the items with it: a
    // stored "dicestyle" became an item of its own beside "DiceStyle". Both are
    // one value in the registry, which takes the first item's name and text (the
    // settings come first, so a setting is stored as spelled and read back).
    std::unordered_map<std::string, std::string> storedSpelling; // by lower-case name
    for (std::string& name : key->ValueNames()) {
        std::string lower = AsciiLowerCase(name);
        storedSpelling.emplace(std::move(lower), std::move(name));
    }
    std::unordered_set<std::string> names;
    std::vector<TVHRegistryItem*> written;
    for (int i = 0; i < FVHRegistryItems.Count(); ++i) {
        TVHRegistryItem& item = FVHRegistryItems.Items(i);
        const std::string lower = AsciiLowerCase(item.ValueName());
        if (!names.insert(lower).second)
            continue;
        const std::string text = SettingValueToText(item.Value());
        const auto stored = storedSpelling.find(lower);
        const bool respell = stored != storedSpelling.end() && stored->second != item.ValueName();
        // A setting this run did not change is written only where the registry
        // holds none of its name now (the key may have been removed meanwhile):
        // what another copy stored stays.
        const bool unchanged = item.FStoredText == text || item.FDefaultText == text;
        bool set = false;
        if (respell)
            set = key->SetValueRespelled(item.ValueName(), RegStringValue(text));
        else if (unchanged)
            set = key->SetValueIfMissing(item.ValueName(), RegStringValue(text));
        else
            set = key->SetValue(item.ValueName(), RegStringValue(text));
        if (set)
            written.push_back(&item);
        else
            ReportStorageError(FailedToSetDataMessage(item.ValueName()));
    }
    if (!key->Close()) {
        ReportSaveFailure(TSavedData::Settings, *FRegistry);
        return;
    }
    for (TVHRegistryItem* item : written) {
        item->FStoredText = SettingValueToText(item->Value());
        item->FDefaultText.reset(); // from now on a change is this store's own
    }
}

bool TVHRegistry::FindItem(const std::string& AValueName, int& AIndex) const {
    for (int i = 0; i < FVHRegistryItems.Count(); ++i) {
        if (FVHRegistryItems.Items(i).ValueName() == AValueName) {
            AIndex = i;
            return true;
        }
    }
    return false;
}
