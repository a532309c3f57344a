#include "app/toolkit/message_box.h"

#include <QMessageBox>

namespace toolkit {

namespace {

class QtMessageBox final : public MessageBox {
public:
    int askYesNo(QWidget* parent, const QString& prompt, const QString& title) override {
        const auto answer = QMessageBox::question(
            parent, title, prompt, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        return answer == QMessageBox::Yes ? vbYes : vbNo;
    }
    int askYesNoDefaultNo(QWidget* parent, const QString& prompt, const QString& title) override {
        const auto answer = QMessageBox::question(
            parent, title, prompt, QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
        return answer == QMessageBox::Yes ? vbYes : vbNo;
    }
    void tell(QWidget* parent, const QString& text, const QString& title) override {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok, QMessageBox::Ok);
    }
};

MessageBox* installed = nullptr;

} // namespace

MessageBox& messageBox() {
    static QtMessageBox qtBox;
    return installed ? *installed : qtBox;
}

void setMessageBox(MessageBox* box) {
    installed = box;
}

} // namespace toolkit
