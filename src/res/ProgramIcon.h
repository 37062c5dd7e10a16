// The program's icon as SVG text: shell/lumenor.svg, the picture the
// desktop shows for the installed program, built into the program for its
// window and its Info box.
#pragma once

#include <string_view>

namespace res {

std::string_view ProgramIconSvg();

} // namespace res
