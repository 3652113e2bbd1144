#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>

#include "language.h"
#include "text_ids.h"

namespace dephlegmator {

// Every text the program shows, in one catalogue: a stable key that the page can name it by, the
// Russian text and the English one. A text is reached by its Text, an index into the catalogue.
// A text with placeholders ("{max}", "{unit}", ...) is a pattern for Fill; both languages have the
// same placeholders. The catalogue is kept as gettext files, po/dephlegmator.pot (the keys, the
// Russian texts and the Text enumerators, in order) and a translation per language (po/en.po);
// the build writes from them the enum class Text (text_ids.h, one enumerator per text, e.g.
// Text::Frame1Caption) and the table (text_table.h), after checking them (make_catalogue.py).

// One text of the catalogue (struct TextEntry, text_ids.h): its Text `id`, its `key` (e.g.
// "Frame1.caption", "error.loadBeyondSurface") and its text in each language, one field each,
// named as the Language in lower case (`russian`, `english`); kTextIn names the field of each
// Language. The whole catalogue, in Text order:
std::span<const TextEntry> Catalogue();

// The texts of the browser page's own elements (its HTML, its scripts' fixed texts and its
// manifest), which only the page names, by key: the page generator writes them into the page and
// into a file of each language's texts, so that the module does not carry them. Besides texts, a
// few entries name what differs with the language: the page's language code ("page.lang"), its
// guide and its manifest. Each is a PageTextEntry (text_ids.h): its `key` (e.g. "page.title",
// "column.tankVolume") and its text in each language, as in TextEntry.
std::span<const PageTextEntry> PageTexts();

// A text in the current language (CurrentLanguage()), or in `language`.
std::string_view Tr(Text text);
std::string_view Tr(Text text, Language language);

// A placeholder of a pattern and what it stands for: {"max", "4284"} fills "{max}".
using Filling = std::pair<std::string_view, std::string_view>;

// The pattern `text`, in the current language, with each of its placeholders replaced in one
// pass: a value is never searched for placeholders itself. A placeholder without a value stays.
// Example: Fill(Text::OutcomeArea, {{"value", "1571"}}) → "площадь 1571 см²". A number and its
// unit are joined by a no-break space (U+00A0), and "л/мин" holds a word joiner (U+2060) after
// its slash, so that a line never breaks inside either.
std::string Fill(Text text, std::initializer_list<Filling> values);

// A number followed by a unit, with a no-break space (U+00A0) between: "10 °С".
std::string WithUnit(std::string_view number, Text unit);

}  // namespace dephlegmator
