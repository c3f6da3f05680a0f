// The advisor's cache file: a magic, a format version, the size of the state
// space, the values, and an FNV-1a checksum of everything before it.

#include "advisor/Advisor.h"

#include "advisor/AdvisorData.h"
#include "advisor/AdvisorTurn.h"
#include "files/SafeFile.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>

namespace {

constexpr char kMagic[8] = {'T', 'o', 'l', 'm', 'A', 'd', 'v', '\n'};
// Goes up whenever the values change meaning, so that a table of other rules is
// refused: 2 is the first with a first roll that rolls all five dice.
constexpr std::uint32_t kFormatVersion = 2;

struct TCacheHeader {
    char Magic[8];
    std::uint32_t Version;
    std::uint32_t StateCount;
};

std::uint64_t Checksum(const char* AData, std::size_t ASize) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    for (std::size_t i = 0; i < ASize; ++i) {
        hash ^= static_cast<unsigned char>(AData[i]);
        hash *= 0x100000001b3ULL;
    }
    return hash;
}

} // namespace

bool TAdvisorTable::Save(const std::filesystem::path& APath) const {
    if (!Ready()) {
        return false;
    }
    const std::vector<double>& values = FData->Values;
    TCacheHeader header{};
    std::memcpy(header.Magic, kMagic, sizeof kMagic);
    header.Version = kFormatVersion;
    header.StateCount = static_cast<std::uint32_t>(values.size());
    std::string bytes(sizeof header + values.size() * sizeof(double), '\0');
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, values.data(), values.size() * sizeof(double));
    const std::uint64_t checksum = Checksum(bytes.data(), bytes.size());
    bytes.append(reinterpret_cast<const char*>(&checksum), sizeof checksum);

    std::string why;
    const std::filesystem::path folder = APath.parent_path();
    if (!folder.empty() && (!FolderIsPrivate(folder, why) || !CreatePrivateFolders(folder, why))) {
        return false;
    }
    return ReplaceFileContents(APath, bytes, 0666, why);
}

bool TAdvisorTable::Load(const std::filesystem::path& APath) {
    const std::size_t count = TStateSpace::Instance().Count();
    const std::size_t expectedSize =
        sizeof(TCacheHeader) + count * sizeof(double) + sizeof(std::uint64_t);
    // Anything but a regular file of the right size (a FIFO, a device, a link)
    // is a damaged cache, and is never waited on.
    const TFileRead read = ReadRegularFile(APath, expectedSize, false);
    if (read.Status != TFileReadStatus::Ok || read.Text.size() != expectedSize) {
        return false;
    }
    const std::string& bytes = read.Text;
    TCacheHeader header{};
    std::memcpy(&header, bytes.data(), sizeof header);
    std::uint64_t checksum = 0;
    std::memcpy(&checksum, bytes.data() + expectedSize - sizeof checksum, sizeof checksum);
    if (std::memcmp(header.Magic, kMagic, sizeof kMagic) != 0 || header.Version != kFormatVersion ||
        header.StateCount != count ||
        checksum != Checksum(bytes.data(), expectedSize - sizeof checksum)) {
        return false;
    }
    std::vector<double> values(count);
    std::memcpy(values.data(), bytes.data() + sizeof header, count * sizeof(double));
    for (double value : values) {
        if (!std::isfinite(value) || value < 0) {
            return false;
        }
    }
    FData->Values = std::move(values);
    return true;
}
