#pragma once
// The key paths of the settings store and the high-score table, built in this
// one place.

#include <string>
#include <utility>

// "\Software\Varnholt\Tolmir\": a backslash before the first part and after each
// part, whatever the part holds.
std::string AppKeyPath(const std::string& ASoftware, const std::string& ACompany,
                       const std::string& AAppName);

// The application key followed by the owner's name, a full stop and the store's
// name: "\Software\Varnholt\Tolmir\frmMain.VHRegistry1".
std::string StoreKeyPath(const std::string& ASoftware, const std::string& ACompany,
                         const std::string& AAppName, const std::string& AOwnerName,
                         const std::string& AName);

// A leading backslash makes a path absolute: it is removed, and the rest is the
// path below the root key.
std::string PathBelowRoot(const std::string& APath);

// The three key-path parts that the settings store and the high-score lists
// publish; the first one is "Software" unless set otherwise.
class TRegKeyParts {
public:
    const std::string& RegKeyAppName() const { return FRegKeyAppName; }
    void SetRegKeyAppName(std::string AValue) { FRegKeyAppName = std::move(AValue); }
    const std::string& RegKeyCompany() const { return FRegKeyCompany; }
    void SetRegKeyCompany(std::string AValue) { FRegKeyCompany = std::move(AValue); }
    const std::string& RegKeySoftware() const { return FRegKeySoftware; }
    void SetRegKeySoftware(std::string AValue) { FRegKeySoftware = std::move(AValue); }

protected:
    // "\Software\<company>\<application>\"
    std::string AppKey() const {
        return AppKeyPath(FRegKeySoftware, FRegKeyCompany, FRegKeyAppName);
    }

    std::string FRegKeyAppName;
    std::string FRegKeyCompany;
    std::string FRegKeySoftware = "Software";
};
