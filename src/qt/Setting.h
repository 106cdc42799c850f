// Setting: the settings editor, in which the user composes a new settings.ini.
#pragma once

#include <QDialog>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "core/settings/Settings.h"

namespace boltik::qt {

class Setting : public QDialog {
    Q_OBJECT

public:
    // Starts from its designer values, never from the file. exec() returns Accepted once
    // "<< Далее >>" has written settings.ini; closing the window writes nothing.
    explicit Setting(QWidget* parent = nullptr);

    // The values the window would write now, and the access option chosen.
    settings::Settings values() const;

    QRadioButton* accessOption(int i) const { return mnu_[i]; }
    QLineEdit* passwordBox() const { return pas_; }
    QLineEdit* confirmationBox() const { return pass_; }
    QPushButton* chooseButton(int i) const { return choose_[i]; }
    QPushButton* defaultButton(int i) const { return defaults_[i]; }
    QLabel* valueLabel(int i) const { return values_[i]; }
    QPushButton* captionButton(int i) const { return captions_[i]; }
    QLabel* problem() const { return problem_; }
    QWidget* preview() const { return frm1_; }
    QFileDialog* fileDialog() const { return dialog_; }
    QPushButton* nextButton() const { return cmdNext_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showPasswordBoxes();
    void choosePicture(int row);
    void askCaption(int button);
    void nameCaptionButton(int button);
    void save();

    std::array<QRadioButton*, 3> mnu_;
    QLineEdit* pas_;
    QLineEdit* pass_;
    std::array<QPushButton*, 3> defaults_;  // Комманда2, Комманда1, Комманда3
    std::array<QPushButton*, 3> choose_;    // cmd1, cmd2, cmd3
    std::array<QLabel*, 3> values_;         // fon1, fon2, icons
    std::array<QPushButton*, 3> captions_;  // but1, but2, but3
    QLabel* problem_;
    QWidget* frm1_;
    QFileDialog* dialog_;
    QPushButton* cmdNext_;
};

}  // namespace boltik::qt
