#include "app/command_line.h"

#include <ostream>
#include <string>

#include "catalogue/catalogue.h"
#include "catalogue/search_filter.h"
#include "catalogue/unicode_text.h"

namespace zindo {
namespace {

constexpr std::string_view kUsage =
    "Usage: zindozindo [--show [--insert] | --background | --search TERM | --list | --help | --version]\n"
    "A tray emoji picker: click the duck, type to filter, click an emoji to copy it.\n"
    "\n"
    "  --show         open a picker now, in the running ZindoZindo if there is\n"
    "                 one, in place of the pickers it has open (bind this to a\n"
    "                 keyboard shortcut)\n"
    "  --insert       as --show, and the emoji chosen is also typed into the\n"
    "                 window that had the keyboard, once it has it back\n"
    "  --background   start without opening a picker, even where there is no\n"
    "                 tray yet (for autostart): the duck shows once a tray is\n"
    "                 there, and --show finds the program running\n"
    "  --search TERM  print the emoji that TERM finds, one a line, in grid order\n"
    "  --list         print every emoji of the grid, a tab, and its keywords\n"
    "  --help         show this help and exit\n"
    "  --version      show the version and exit\n"
    "\n"
    "Without an option, ZindoZindo puts its duck in the system tray; where there\n"
    "is none yet, it opens a picker and ends once that has closed, unless a tray\n"
    "has come meanwhile. While it runs, starting it again opens a picker instead\n"
    "of adding a second duck.\n"
    "\n"
    "Besides its English keywords, the picker and --search find emoji by their\n"
    "names and keywords in the user's language (Unicode CLDR's, built in): the\n"
    "first of LANGUAGE's list that it has words for, else LC_ALL, LC_MESSAGES or\n"
    "LANG. To search in another: LANGUAGE=de zindozindo --search hund\n";

CommandLineOutcome mistake(std::ostream& err, std::string_view what) {
    err << "zindozindo: " << what << " (see zindozindo --help)\n";
    return {.startPicker = false, .exitStatus = 2};
}

void printSearch(std::string_view term, std::ostream& out) {
    // The term goes through the same lower-casing as the search field's text.
    const Catalogue catalogue = buildCatalogue();
    for (EmojiString emoji : filteredEmojis(unicode::toLower(term), catalogue)) out << emoji << '\n';
}

void printList(std::ostream& out) {
    const Catalogue catalogue = buildCatalogue();
    for (EmojiString emoji : catalogue.emojiList) {
        out << emoji << '\t';
        const char* separator = "";
        for (std::string_view keyword : catalogue.emojiKeywords.lookup(emoji)) {
            out << separator << keyword;
            separator = " ";
        }
        out << '\n';
    }
}

}  // namespace

CommandLineOutcome runCommandLine(std::span<const std::string_view> arguments, std::ostream& out, std::ostream& err) {
    if (arguments.empty()) return {.startPicker = true, .exitStatus = 0};

    const std::string_view option = arguments[0];
    std::string_view term;
    std::size_t used = 1;
    if (option == "--search") {
        if (arguments.size() < 2) return mistake(err, "--search needs a TERM");
        term = arguments[1];
        used = 2;
    } else if (option.starts_with("--search=")) {
        term = option.substr(std::string_view("--search=").size());
    } else if ((option == "--show" || option == "--insert") && arguments.size() == 2 &&
               arguments[1] == (option == "--show" ? "--insert" : "--show")) {
        used = 2;
    } else if (option != "--show" && option != "--insert" && option != "--background" && option != "--list" &&
               option != "--help" && option != "-h" && option != "--version") {
        return mistake(err, "unknown option '" + std::string(option) + "'");
    }
    if (arguments.size() > used) {
        return mistake(err, "unexpected argument '" + std::string(arguments[used]) + "'");
    }

    if (option == "--show" || option == "--insert") {
        const bool insert = option == "--insert" || used == 2;
        return {.startPicker = true, .showPicker = true, .insert = insert, .exitStatus = 0};
    }
    if (option == "--background") return {.startPicker = true, .background = true, .exitStatus = 0};
    if (option == "--help" || option == "-h") {
        out << kUsage;
    } else if (option == "--version") {
        out << "zindozindo " << ZINDO_VERSION << '\n';
    } else if (option == "--list") {
        printList(out);
    } else {
        if (!unicode::isValidUtf8(term)) return mistake(err, "TERM is not valid UTF-8");
        printSearch(term, out);
    }
    return {.startPicker = false, .exitStatus = 0};
}

}  // namespace zindo
