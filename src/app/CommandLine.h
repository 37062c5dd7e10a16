// The program's command line: a file to open in the window, or one of the
// read-only queries and the screenshot, which run without a display.
//
//   lumenor [--colors desktop|fixed] [FILE]
//   lumenor --print FILE
//   lumenor --refs N FILE
//   lumenor --inverse N FILE
//   lumenor --summary FILE
//   lumenor --screenshot OUT.png [--select N] [--colors desktop|fixed] FILE
//   lumenor --help | --version
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct ProgramRequest {
    enum class Action {
        OpenWindow, // the viewer, with FILE when one is given
        Help,
        Version,
        Print, // the upper tree's root labels
        Refs, // the labels that unfolding entity N gives
        Inverse, // the lower tree's labels for entity N
        Summary, // the entity types with counts, then the file's problems
        Screenshot, // the main window as a PNG file
    };
    Action action = Action::OpenWindow;
    std::string strFile;
    std::int32_t nEntity = 0;
    std::string strImagePath;
    std::optional<std::int32_t> nSelect;
    // The colours of the window: the desktop's colour scheme, or the
    // program's own light palette. Unset: the desktop's for the window, the
    // program's own for --screenshot, so that a screenshot looks the same on
    // every machine.
    std::optional<bool> bDesktopColors;

    bool UsesDesktopColors() const { return bDesktopColors.value_or(action == Action::OpenWindow); }

    // Everything but the window runs on the offscreen platform.
    bool RunsOffscreen() const
    {
        return action == Action::Print || action == Action::Refs || action == Action::Inverse
            || action == Action::Summary || action == Action::Screenshot;
    }
};

// Parses the arguments after the program name. False, with a message for
// the user in strError, when they ask for nothing this program does.
bool ParseProgramArguments(const std::vector<std::string>& args, ProgramRequest& request,
                           std::string& strError);

// FILE as the application's own command line takes it: that line has no
// "--", so a name that looks like an option is made plain ("./-x.ifc").
std::string FileArgumentForApp(const std::string& strFile);

// The text of --help and of --version.
std::string UsageText();
std::string VersionText();
