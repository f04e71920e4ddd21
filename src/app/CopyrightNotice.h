#pragma once

// The program's copyright notice, as the About box shows it and the settings
// file's "Version" element stores it. The settings file keeps attribute text
// as it stands, so the notice holds no double quote, "<" or "&"; the sign is
// written in UTF-8.
inline constexpr char kCopyrightNotice[] = "Copyright \u00a9 2023 the Ombrelix authors";
