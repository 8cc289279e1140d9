// What if the dive goes wrong: the contingency plans (longer, deeper, each ascent gas lost or, on
// a CCR, the bail-out) and how the runtime varies with bottom time and depth. Each is the entered
// dive changed and planned as Ascend plans it; the entered dive is restored afterwards.
#pragma once

namespace Unit_Kontingenz {

// Fills Unit_Kontingenzplaene (or only forgets the last ones when the setting is off). Messages
// of these plans are not shown: the first problem is the reason a plan could not be made. The
// entered points, the ascent gas table, the bail-out choice and the oxygen question's answer are
// as they were afterwards; the computed dive in memory is the last plan, so Ascend computes its
// own plan after this. A cancel click ends them (none are kept) and cancels that plan too.
void Kontingenzplaene_berechnen();

} // namespace Unit_Kontingenz
