#include "frontend/user_dialogs.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <iostream>

namespace tabulyst {

namespace {

void ToConsole(const QString& title, const QString& text) {
    std::cerr << title.toStdString() << ": " << text.toStdString() << std::endl;
}

}  // namespace

bool InteractiveDisplay() {
    const QString platform = QGuiApplication::platformName();
    return platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
}

UserDialogs DesktopDialogs() {
    UserDialogs d;
    d.warn = [](QWidget* parent, const QString& title, const QString& text) {
        if (!InteractiveDisplay()) return ToConsole(title, text);
        QMessageBox::warning(parent, title, text);
    };
    d.inform = [](QWidget* parent, const QString& title, const QString& text) {
        if (!InteractiveDisplay()) return ToConsole(title, text);
        QMessageBox::about(parent, title, text);
    };
    d.ask = [](QWidget* parent, const QString& title, const QString& text) {
        if (!InteractiveDisplay()) return Answer::No;
        const auto button = QMessageBox::question(
            parent, title, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        return button == QMessageBox::Yes  ? Answer::Yes
               : button == QMessageBox::No ? Answer::No
                                           : Answer::Cancel;
    };
    d.choose = [](QWidget* parent, const QString& title, const QString& text,
                  const QStringList& answers) {
        if (!InteractiveDisplay()) return -1;
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Cancel, parent);
        QList<QPushButton*> buttons;
        for (const QString& answer : answers)
            buttons << box.addButton(answer, QMessageBox::AcceptRole);
        box.exec();
        return static_cast<int>(buttons.indexOf(static_cast<QPushButton*>(box.clickedButton())));
    };
    d.openFiles = [](QWidget* parent, const QString& caption, const QString& directory,
                     const QString& filter) {
        if (!InteractiveDisplay()) return QStringList();
        return QFileDialog::getOpenFileNames(parent, caption, directory, filter);
    };
    d.openFile = [](QWidget* parent, const QString& caption, const QString& directory,
                    const QString& filter) {
        if (!InteractiveDisplay()) return QString();
        return QFileDialog::getOpenFileName(parent, caption, directory, filter);
    };
    d.saveFile = [](QWidget* parent, const QString& caption, const QString& directory,
                    const QString& filter) {
        if (!InteractiveDisplay()) return QString();
        return QFileDialog::getSaveFileName(parent, caption, directory, filter);
    };
    d.chooseDirectory = [](QWidget* parent, const QString& caption, const QString& directory) {
        if (!InteractiveDisplay()) return QString();
        return QFileDialog::getExistingDirectory(parent, caption, directory);
    };
    d.chooseColour = [](QWidget* parent, const QColor& initial) -> std::optional<QColor> {
        if (!InteractiveDisplay()) return std::nullopt;
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    };
    d.chooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
        if (!InteractiveDisplay()) return std::nullopt;
        bool ok = false;
        const QFont chosen = QFontDialog::getFont(&ok, initial, parent);
        if (!ok) return std::nullopt;
        return chosen;
    };
    return d;
}

}  // namespace tabulyst
