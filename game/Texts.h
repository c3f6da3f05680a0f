#pragma once
// The texts the player reads and hears, in the player's language.
//
// The toolkit-free layers look their texts up with Tx (and mark texts kept for later
// with TX_NOOP); the application installs a catalogue that finds the translation
// (Qt's translators). Without one, every text is its English source. Qt's lupdate
// reads Tx as QCoreApplication::translate and TX_NOOP as QT_TRANSLATE_NOOP, so the
// same contexts and sources end up in the .ts files.

#include <functional>
#include <initializer_list>
#include <string>

#define TX_NOOP(context, source) source

// Returns the translation of ASource in AContext, "" when there is none.
using TTextCatalog = std::function<std::string(const char* AContext, const char* ASource,
                                               const char* ADisambiguation, int AN)>;

// The catalogue Tx consults; an empty one restores the English sources.
void SetTextCatalog(TTextCatalog ACatalog);

// The text in the player's language. With AN >= 0 the text counts something: the
// catalogue picks the plural form and "%n" becomes AN.
std::string Tx(const char* AContext, const char* ASource, const char* ADisambiguation = nullptr,
               int AN = -1);

// "%1" to "%9" in AText replaced by the arguments in one pass: an argument that
// itself holds "%2" stays as it is. A number with no argument is left in place.
std::string TxArgs(const std::string& AText, std::initializer_list<std::string> AArgs);

// The decimal separator of the player's language for fractional numbers in texts;
// "." until the application sets another.
void SetDecimalSeparator(std::string ASeparator);
const std::string& DecimalSeparator();
