#include "game/Texts.h"

#include "game/TextNumbers.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

// Set once at start-up on the window's thread, before the advisor's worker starts.
TTextCatalog& Catalog() {
    static TTextCatalog catalog;
    return catalog;
}

std::string& Separator() {
    static std::string separator = ".";
    return separator;
}

std::string WithCount(std::string AText, int AN) {
    const std::string count = IntToText(AN);
    for (std::size_t at = AText.find("%n"); at != std::string::npos;
         at = AText.find("%n", at + count.size())) {
        AText.replace(at, 2, count);
    }
    return AText;
}

} // namespace

void SetTextCatalog(TTextCatalog ACatalog) {
    Catalog() = std::move(ACatalog);
}

std::string Tx(const char* AContext, const char* ASource, const char* ADisambiguation, int AN) {
    std::string text;
    if (Catalog()) {
        text = Catalog()(AContext, ASource, ADisambiguation, AN);
    }
    if (text.empty()) {
        text = ASource;
    }
    return AN >= 0 ? WithCount(std::move(text), AN) : text;
}

std::string TxArgs(const std::string& AText, std::initializer_list<std::string> AArgs) {
    const std::vector<std::string> args(AArgs);
    std::string out;
    out.reserve(AText.size());
    for (std::size_t i = 0; i < AText.size(); ++i) {
        const char next = i + 1 < AText.size() ? AText[i + 1] : '\0';
        const std::size_t index = static_cast<std::size_t>(next - '1');
        if (AText[i] == '%' && next >= '1' && next <= '9' && index < args.size()) {
            out += args[index];
            ++i;
        } else {
            out += AText[i];
        }
    }
    return out;
}

void SetDecimalSeparator(std::string ASeparator) {
    Separator() = std::move(ASeparator);
}

const std::string& DecimalSeparator() {
    return Separator();
}
