#pragma once
// The settings store: named settings kept in memory and mirrored in the current
// user's registry under Software\<company>\<application>\<owner>.<name>. It reads
// the registry once when its owner has been built and writes every setting back
// when it is destroyed.

#include "storage/Registry.h"
#include "storage/RegistryKeyPath.h"
#include "storage/SettingValue.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class TVHRegistry;
class TVHRegistryItems;

class TVHRegistryItem {
public:
    TVHRegistryItem(TVHRegistryItems& ACollection, int AIndex);

    const std::string& ValueName() const { return FValueName; }
    void SetValueName(std::string AValueName) {
        FValueName = std::move(AValueName);
        FStoredText.reset();
        FDefaultText.reset();
    }
    const TSettingValue& Value() const { return FValue; }
    void SetValue(TSettingValue AValue) { FValue = std::move(AValue); }

    int Index() const { return FIndex; }
    TVHRegistryItems& Collection() const { return FCollection; }
    // ValueName, or the item's class name while it has none.
    std::string DisplayName() const;

private:
    friend class TVHRegistry;

    TVHRegistryItems& FCollection;
    int FIndex;
    std::string FValueName;
    TSettingValue FValue;
    // The text the registry held for this item when it was last read or written.
    std::optional<std::string> FStoredText;
    // The text of an item that the registry did not hold when it was read.
    std::optional<std::string> FDefaultText;
};

class TVHRegistryItems {
public:
    explicit TVHRegistryItems(TVHRegistry& AOwner) : FOwner(AOwner) {}

    TVHRegistryItem& Add(); // a new item at the end
    TVHRegistryItem& Items(int AIndex) { return *FItems.at(static_cast<std::size_t>(AIndex)); }
    const TVHRegistryItem& Items(int AIndex) const {
        return *FItems.at(static_cast<std::size_t>(AIndex));
    }
    int Count() const { return static_cast<int>(FItems.size()); }
    TVHRegistry& Owner() const { return FOwner; }

private:
    TVHRegistry& FOwner;
    std::vector<std::unique_ptr<TVHRegistryItem>> FItems;
};

class TVHRegistry : public TRegKeyParts {
public:
    // A store on the current user's registry.
    TVHRegistry(std::string AOwnerName, std::string AName);
    // A store on another registry (tests).
    TVHRegistry(std::string AOwnerName, std::string AName, std::unique_ptr<IRegistry> ARegistry);
    // Writes every setting when AutoSave is on and there is at least one; a
    // failure is reported, never thrown.
    ~TVHRegistry();
    TVHRegistry(const TVHRegistry&) = delete;
    TVHRegistry& operator=(const TVHRegistry&) = delete;

    const std::string& OwnerName() const { return FOwnerName; }
    const std::string& Name() const { return FName; }

    bool AutoLoad() const { return FAutoLoad; }
    void SetAutoLoad(bool AValue) { FAutoLoad = AValue; }
    bool AutoSave() const { return FAutoSave; }
    void SetAutoSave(bool AValue) { FAutoSave = AValue; }
    TVHRegistryItems& VHRegistryItems() { return FVHRegistryItems; }
    const TVHRegistryItems& VHRegistryItems() const { return FVHRegistryItems; }

    // Fired after every load, also when nothing was stored.
    std::function<void(TVHRegistry&)> OnReadItemsFromRegistry;
    // Fired before every write.
    std::function<void(TVHRegistry&)> OnWriteItemsToRegistry;

    // The owner calls this once it and its components are built: reads the
    // registry when AutoLoad is on.
    void Loaded();
    // Loads the stored values, then fires OnReadItemsFromRegistry. A stored
    // setting that is not text is reported and skipped; a value of another type
    // that no item names is not the store's and is skipped silently.
    void ReadItemsFromRegistry();
    // Fires OnWriteItemsToRegistry, then writes the items as REG_SZ in item order.
    // An item that still holds the text it had when the registry was read (the
    // stored text or its default) is written only where the registry has no
    // value of its name at that moment: a change another copy of the game stored
    // meanwhile survives, and a key removed while the game ran is restored whole.
    // A value that cannot be written is reported and the others are still written.
    // Of items whose names differ only in letter case (one the registry held
    // under another spelling), the first is written, spelled as it is.
    void WriteItemsToRegistry();

    // The first item whose ValueName equals AValueName exactly (letter case counts).
    bool FindItem(const std::string& AValueName, int& AIndex) const;

    // "\Software\<company>\<application>\<owner>.<name>"
    std::string KeyPath() const;

private:
    void WriteItems();

    std::unique_ptr<IRegistry> FRegistry;
    TVHRegistryItems FVHRegistryItems;
    std::string FOwnerName;
    std::string FName;
    bool FAutoSave = true;
    bool FAutoLoad = true;
};
