#pragma once

#include "help/render_state.h"

// Handlers of the tags that format text: each acts on state.tag (opening or closing form).
namespace tessel::help {

void DoStyleTag(RenderState &state, FontStyle style); // B, I, U
void DoBR(RenderState &state);
void DoCENTER(RenderState &state);
void DoP(RenderState &state);
void DoHeading(RenderState &state, int level); // H1 to H5
void DoPRE(RenderState &state);
void DoCODE(RenderState &state);
void DoSTYLE(RenderState &state);
void DoFONT(RenderState &state);
void DoSPAN(RenderState &state);
void DoHR(RenderState &state);
void DoSCRIPT(RenderState &state);
void DoHEAD(RenderState &state);
void DoLINK(RenderState &state);
void DoBLOCKQUOTE(RenderState &state);
void DoCITE(RenderState &state); // CITE and Q

// A line of underscores: a percentage of the display's width less the margins, or at most width pixels.
void InsertRule(RenderState &state, int marginPixels, int width, bool percentage);

} // namespace tessel::help
