#include "app/CommandLine.h"

#include "res/VersionBlock.h"

#include <charconv>

namespace {

using Action = ProgramRequest::Action;

// An entity number as the user writes it: 12 or #12.
bool ParseEntityNumber(const std::string& text, std::int32_t& n)
{
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '#')
        ++first;
    if (first == last || *first < '0' || *first > '9')
        return false;
    const auto [end, ec] = std::from_chars(first, last, n);
    return ec == std::errc() && end == last;
}

const char* OptionOf(Action action)
{
    switch (action) {
    case Action::Print:
        return "--print";
    case Action::Refs:
        return "--refs";
    case Action::Inverse:
        return "--inverse";
    case Action::Summary:
        return "--summary";
    case Action::Screenshot:
        return "--screenshot";
    default:
        return "";
    }
}

} // namespace

bool ParseProgramArguments(const std::vector<std::string>& args, ProgramRequest& request,
                           std::string& strError)
{
    request = ProgramRequest();
    std::vector<std::string> files;
    bool bOptionsEnded = false;
    bool bHelp = false;
    bool bVersion = false;
    std::optional<Action> query;

    auto setQuery = [&](Action action) {
        if (query) {
            strError = std::string(OptionOf(*query)) + " and " + OptionOf(action) + " cannot be combined";
            return false;
        }
        query = action;
        return true;
    };
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (bOptionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            files.push_back(arg);
            continue;
        }
        // The value of an option that takes one.
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) {
                strError = arg + " needs a value";
                return false;
            }
            out = args[++i];
            return true;
        };
        auto entity = [&](std::int32_t& n) {
            std::string text;
            if (!value(text))
                return false;
            if (!ParseEntityNumber(text, n)) {
                strError = arg + ": \"" + text + "\" is not an entity number";
                return false;
            }
            return true;
        };
        if (arg == "--") {
            bOptionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            bHelp = true;
        } else if (arg == "--version") {
            bVersion = true;
        } else if (arg == "--print" || arg == "--summary") {
            if (!setQuery(arg == "--print" ? Action::Print : Action::Summary))
                return false;
        } else if (arg == "--refs" || arg == "--inverse") {
            if (!setQuery(arg == "--refs" ? Action::Refs : Action::Inverse) || !entity(request.nEntity))
                return false;
        } else if (arg == "--screenshot") {
            if (!setQuery(Action::Screenshot) || !value(request.strImagePath))
                return false;
        } else if (arg == "--colors") {
            std::string scheme;
            if (!value(scheme))
                return false;
            if (scheme != "desktop" && scheme != "fixed") {
                strError = "--colors: \"" + scheme + "\" is neither desktop nor fixed";
                return false;
            }
            request.bDesktopColors = scheme == "desktop";
        } else if (arg == "--select") {
            std::int32_t n = 0;
            if (!entity(n))
                return false;
            request.nSelect = n;
        } else {
            strError = "unknown option " + arg;
            return false;
        }
    }

    if (bHelp || bVersion) {
        request.action = bHelp ? Action::Help : Action::Version;
        return true;
    }
    if (request.nSelect && query != Action::Screenshot) {
        strError = "--select goes with --screenshot";
        return false;
    }
    if (request.bDesktopColors.has_value() && query && query != Action::Screenshot) {
        strError = "--colors goes with the window or --screenshot";
        return false;
    }
    if (files.size() > 1) {
        strError = "one file at a time, but " + std::to_string(files.size()) + " were given";
        return false;
    }
    if (query) {
        if (files.empty()) {
            strError = std::string(OptionOf(*query)) + " needs a FILE";
            return false;
        }
        if (*query == Action::Inverse && request.nEntity == 0) {
            strError = "--inverse: entity 0 is the file's header, which nothing refers to";
            return false;
        }
        request.action = *query;
    }
    if (!files.empty())
        request.strFile = files.front();
    return true;
}

std::string FileArgumentForApp(const std::string& strFile)
{
    return !strFile.empty() && strFile[0] == '-' ? "./" + strFile : strFile;
}

std::string UsageText()
{
    return "Usage: lumenor [--colors desktop|fixed] [FILE]\n"
           "       lumenor --print FILE\n"
           "       lumenor --refs N FILE\n"
           "       lumenor --inverse N FILE\n"
           "       lumenor --summary FILE\n"
           "       lumenor --screenshot OUT.png [--select N] [--colors desktop|fixed] FILE\n"
           "\n"
           "Lumenor shows the entities of an IFC file: every entity in the upper tree,\n"
           "unfolding into the entities it refers to, and in the lower tree the\n"
           "entities that refer to the selected one. It never writes to the file.\n"
           "\n"
           "  FILE                   open FILE in the viewer\n"
           "  --print FILE           print the upper tree's items, one per line\n"
           "  --refs N FILE          print the items that unfolding entity #N gives\n"
           "  --inverse N FILE       print the lower tree's items for entity #N, once\n"
           "                         all inverse references are known\n"
           "  --summary FILE         print, once all references are known, one line per\n"
           "                         entity type, TYPE<TAB>count, by descending count and\n"
           "                         then name, then one line per problem in ascending\n"
           "                         entity number: missing<TAB>#referrer<TAB>#number for\n"
           "                         a reference to a number that no entity has, and\n"
           "                         duplicate<TAB>#number<TAB>times for a number defined\n"
           "                         more than once (the last text is the one kept)\n"
           "  --screenshot OUT.png   write the main window with FILE open as a PNG image;\n"
           "      [--select N]       with entity #N selected\n"
           "  --colors desktop|fixed the colours of the desktop's scheme (the window's\n"
           "                         default) or the program's own light ones (the\n"
           "                         default of --screenshot)\n"
           "  --help                 show this text\n"
           "  --version              show the program's version\n"
           "\n"
           "N is an entity number, with or without the leading #. The queries and the\n"
           "screenshot need no display. Errors go to standard error; the exit status\n"
           "is 0 on success, 1 when FILE cannot be opened or has no entity N, 2 for a\n"
           "command line this program does not understand.\n";
}

std::string VersionText()
{
    const res::VersionBlock& block = res::ProgramVersionBlock();
    // The bare program name; the product name is a longer phrase.
    return res::FindVersionString(block, "InternalName") + " " + res::FindVersionString(block, "FileVersion")
        + "\n";
}
