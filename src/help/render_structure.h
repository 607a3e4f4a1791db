#pragma once

#include "help/render_state.h"

// Handlers of lists, tables, links, anchors and images; each acts on state.tag.
namespace tessel::help {

void DoUL(RenderState &state);
void DoOL(RenderState &state);
void DoLI(RenderState &state);
void DoTABLE(RenderState &state);
void DoTR(RenderState &state);
void DoTD(RenderState &state);
void DoTH(RenderState &state);
void DoA(RenderState &state);
void DoIMG(RenderState &state);

} // namespace tessel::help
