// The status bar's entity pane: the current entity's number, its type and
// how many entities refer to it, "#123 IFCWALL · 17 referrers", with
// " so far" while the inverse references are still being computed. Empty
// while no entity is current.
#pragma once

#include <string>

class CKantorDoc;

std::string EntityIndicatorText(const CKantorDoc& doc);
