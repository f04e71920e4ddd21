#pragma once

#include "link/AnalyzerLink.h"

// The preferences' connection check: opens the port (which identifies the
// analyzer), sends "V" and shows the analyzer's answer line as
// "Connected to:\n" + line in an information box with an empty caption.
// Empty lines are passed over: an analyzer that ends its lines with CR LF
// leaves the LF of its identification behind. Every failure is
// shown by the link, and no "Connected to:" box follows; no memory for the
// box's text is a failed read too, with the link's "Read" warning. True
// when the answer was shown. The port is closed again in any case.
bool CheckConnection(CAnalyzerLink& link, const SerialSettings& settings);
