// Filesel: the small rounded window for picking or typing the name of a level file.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QWidget>

#include "qt/RoundedWindow.h"

namespace boltik::qt {

class Filesel : public QWidget {
    Q_OBJECT

public:
    explicit Filesel(QWidget* parent = nullptr);

    // The chosen file name; empty until a choice has been made.
    const QString& tag() const { return tag_; }

    QListWidget* fileList() const { return fileList_; }
    QLineEdit* nameBox() const { return nameBox_; }
    QLabel* okButton() const { return okButton_; }

    // Shows the chooser and waits, handling window events, until a name is chosen or the
    // window is closed. Returns the name, or an empty text for a cancelled choice.
    static QString choose(QWidget* parent = nullptr);

signals:
    void chosen(const QString& name);
    void cancelled();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void confirm();
    void markFinishedLevels();

    QListWidget* fileList_;
    QLineEdit* nameBox_;
    QLabel* okButton_;
    QString tag_;
    Outline outline_;
    QWidget* owner_ = nullptr;  // the window the chooser was opened for
};

// The level files in the chooser's order: those named by a number (1.tur, 2.tur, 10.tur) in
// number order, then the rest by name.
QStringList inLevelOrder(QStringList files);

}  // namespace boltik::qt
