#pragma once

#include <QString>

#include <string>

// Names kept as bytes (file names, trace names) as the user sees them: as
// UTF-8 when they are valid UTF-8, else as Latin-1, which every byte
// sequence is, so that a name written elsewhere in an 8-bit code page still
// shows instead of turning into replacement marks.
QString DisplayText(const std::string& bytes);
