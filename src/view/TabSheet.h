#pragma once

class QTabWidget;
class QWidget;

// A new, empty page named `name` at the end of `pages`, under the tab
// `caption`; the tool windows build their tabs on such pages.
QWidget* AddTabSheet(QTabWidget* pages, const char* name, const char* caption);
