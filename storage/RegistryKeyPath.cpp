#include "storage/RegistryKeyPath.h"

std::string AppKeyPath(const std::string& ASoftware, const std::string& ACompany,
                       const std::string& AAppName) {
    return '\\' + ASoftware + '\\' + ACompany + '\\' + AAppName + '\\';
}

std::string StoreKeyPath(const std::string& ASoftware, const std::string& ACompany,
                         const std::string& AAppName, const std::string& AOwnerName,
                         const std::string& AName) {
    return AppKeyPath(ASoftware, ACompany, AAppName) + AOwnerName + '.' + AName;
}

std::string PathBelowRoot(const std::string& APath) {
    if (!APath.empty() && APath.front() == '\\')
        return APath.substr(1);
    return APath;
}
