#pragma once
// Small pieces shared by the dialogs: sizes given in dialog units, object
// names after the control ids, and core text on widgets.
#include <QSize>
#include <QString>
#include <string>

class QWidget;

namespace nivora::app {

// Dialog units: a quarter of the average character width and an eighth of
// the character height of the widget's font.
QSize FromDialogUnits(const QWidget& widget, int x, int y);

// Object name of a control, e.g. ControlName("edit", 1073) is "edit1073";
// tests find the widgets by it.
QString ControlName(const char* kind, int id);

// A core text (Windows-1252) for a widget; "\r\n" becomes one line break.
QString ShownText(const std::string& cp1252);

}  // namespace nivora::app
