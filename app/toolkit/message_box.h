// The message boxes: the Yes/No question and the notice with an OK button. The form asks and
// tells through this interface so that tests answer without a person; the program shows real
// dialogs.
#pragma once

#include <QString>

class QWidget;

namespace toolkit {

constexpr int vbYes = 6;
constexpr int vbNo = 7;

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Yes and No buttons, Yes the default; vbYes or vbNo.
    virtual int askYesNo(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // Yes and No buttons, No the default, for a step the user had better not take by a slip of
    // the Enter key; vbYes or vbNo.
    virtual int askYesNoDefaultNo(QWidget* parent, const QString& prompt, const QString& title) = 0;
    // An OK button only; returns when the box has been closed.
    virtual void tell(QWidget* parent, const QString& text, const QString& title) = 0;
};

// The box in use: a Qt message box unless one was installed.
MessageBox& messageBox();
// Installs another box (not owned); null goes back to the Qt one.
void setMessageBox(MessageBox* box);

} // namespace toolkit
