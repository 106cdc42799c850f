// FrmMeny: the start menu. Its look and the level editor's access rule come from settings.ini.
#pragma once

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "core/settings/Settings.h"
#include "qt/RoundedWindow.h"

namespace boltik::qt {

class FrmMeny : public QWidget {
    Q_OBJECT

public:
    explicit FrmMeny(QWidget* parent = nullptr);

    // The load sequence: reads settings.ini and builds the window from it. False, with the
    // window half built, when the file is missing or short or a picture or icon it names
    // cannot be loaded: the caller then lets the user mend it in the settings editor.
    bool load();
    // Why the last load failed, for the log.
    const QString& failure() const { return failure_; }

    // cmdProekt's Tag: line 3 of settings.ini.
    const QString& editorTag() const { return editorTag_; }
    QPushButton* gameButton() const { return cmdGame_; }
    QPushButton* editorButton() const { return cmdProekt_; }
    QPushButton* exitButton() const { return cmdExit_; }
    QLabel* settingsButton() const { return cmdSettings_; }
    QWidget* dragHandle() const { return header_; }
    // A mask on X11; a translucent window painting its rounded shape on Wayland.
    Outline outline() const { return outline_; }

signals:
    void gameRequested();
    void editorRequested();
    void settingsRequested();
    void exitRequested();
    // The window was closed from outside (the desktop's close): the program ends.
    void closed();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    bool fail(const QString& why);
    void askForEditor();
    void askToExit();
    void shapeWindow();

    QPushButton* cmdGame_;
    QPushButton* cmdProekt_;
    QPushButton* cmdExit_;
    QLabel* cmdSettings_;
    QWidget* header_;  // izo(3): the header strip's place and the drag handle
    QImage iz_;        // the background tile
    QImage izo_;       // the header strip piece
    bool tiled_ = true;
    bool headerShown_ = true;
    QString editorTag_;
    QString failure_;
    Outline outline_;
    bool dragging_ = false;
    QPoint grab_;
};

}  // namespace boltik::qt
