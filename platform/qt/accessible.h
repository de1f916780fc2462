#pragma once
// The Qt side of the controls' accessible roles and names and of the keyboard's mark.

#include <QString>

#include "platform/accessible.h"

class QPainter;
class QTextEdit;
class QWidget;

namespace tarnvel::platform::qt {

// A control's widget that speaks for itself to screen readers: the widget classes of the
// labels and pictures implement it; the factory Install puts in place finds it by cast.
class AccessibleSource {
public:
    virtual AccessibleRole Role() const = 0;
    virtual QString Name() const = 0;
    virtual void Press() = 0;

protected:
    ~AccessibleSource() = default;
};

// Puts the controls' accessible interfaces in place; once per process, before any widget
// of a control is asked for its interface.
void InstallAccessibleFactory();

// Marks a read-only text view for the factory: it is offered as a read-only document.
void MarkAsDocument(QTextEdit* view);

// The name changed: tells a listening screen reader.
void NameChanged(QWidget* w);

// The keyboard's mark: a dotted frame just inside the widget's rectangle.
void DrawFocusMark(QPainter& p, QWidget* w);

}  // namespace tarnvel::platform::qt
