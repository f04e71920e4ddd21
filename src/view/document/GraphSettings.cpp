#include "view/document/GraphSettings.h"

std::array<GraphSettings, kGraphKindCount> DefaultGraphSettings()
{
    std::array<GraphSettings, kGraphKindCount> graphs;
    for (int kind = 0; kind < kGraphKindCount; ++kind) graphs[kind].Kind = kind;
    graphs[kGraphVip].Visible = false;
    graphs[kGraphPower].Visible = false;
    graphs[kGraphZMagPhase].Phase = kPhaseSeparate;
    graphs[kGraphGammaMagPhase].Phase = kPhaseSeparate;
    graphs[kGraphVip].Phase = kPhaseSeparate;
    return graphs;
}
