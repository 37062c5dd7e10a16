#include "app/ToolBarImages.h"

#include "platform/Gdi.h"

#include <string_view>

namespace {

// Lines lie on half units, so that at the classic size they fill whole
// pixels.

// An open folder: the back with its tab, the front tilted towards the user.
constexpr std::string_view kOpenImage = R"svg(
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="15" viewBox="0 0 16 15">
  <path d="M1.5 12.5 V3.5 H5.5 L7 5 H13.5 V12.5 Z" fill="#ffd94a" stroke="#000" stroke-linejoin="round"/>
  <path d="M1.5 12.5 L4 7.5 H15.5 L13.5 12.5 Z" fill="#c8a000" stroke="#000" stroke-linejoin="round"/>
</svg>)svg";

// A white "i" on a blue disc.
constexpr std::string_view kInfoImage = R"svg(
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="15" viewBox="0 0 16 15">
  <circle cx="8" cy="7.5" r="6.5" fill="#0040c0" stroke="#002a80"/>
  <circle cx="8" cy="4.25" r="1.25" fill="#fff"/>
  <path d="M6.5 6.5 H9 V10.5 H10 V11.5 H6 V10.5 H7 V7.5 H6.5 Z" fill="#fff"/>
</svg>)svg";

// Back: a green arrow to the left.
constexpr std::string_view kBackImage = R"svg(
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="15" viewBox="0 0 16 15">
  <path d="M1.5 7.5 L7.5 1.5 V5 H14.5 V10 H7.5 V13.5 Z" fill="#00a040" stroke="#005020" stroke-linejoin="round"/>
</svg>)svg";

// Forward: the same arrow to the right.
constexpr std::string_view kForwardImage = R"svg(
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="15" viewBox="0 0 16 15">
  <path d="M14.5 7.5 L8.5 1.5 V5 H1.5 V10 H8.5 V13.5 Z" fill="#00a040" stroke="#005020" stroke-linejoin="round"/>
</svg>)svg";

// Go to Entity: a blue number sign.
constexpr std::string_view kGotoImage = R"svg(
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="15" viewBox="0 0 16 15">
  <path d="M5.5 2 V13 M10.5 2 V13 M2 5.5 H14 M2 9.5 H14" stroke="#0040c0" stroke-width="2"/>
</svg>)svg";

// File Summary: a sheet with a table of three rows of different lengths.
constexpr std::string_view kSummaryImage = R"svg(
<svg xmlns="http://www.w3.org/2000/svg" width="16" height="15" viewBox="0 0 16 15">
  <path d="M2.5 0.5 H13.5 V14.5 H2.5 Z" fill="#fff" stroke="#000"/>
  <path d="M4 3.5 H12 M4 6.5 H10 M4 9.5 H11 M4 12.5 H8" stroke="#0040c0"/>
</svg>)svg";

} // namespace

std::vector<HICON> CreateToolBarImages()
{
    std::vector<HICON> images;
    for (std::string_view image : {kOpenImage, kInfoImage, kBackImage, kForwardImage, kGotoImage, kSummaryImage})
        images.push_back(CreateIconFromSvg(image.data(), image.size()));
    return images;
}
