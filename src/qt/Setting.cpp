// The settings editor: its controls at their designed places, the choices and the save.
#include "qt/Setting.h"

#include <QEvent>
#include <QInputDialog>
#include <QMessageBox>
#include <QPainter>

#include "qt/Tiling.h"
#include "qt/Twips.h"

namespace boltik::qt {

namespace {

const QColor kPreviewGrey(192, 192, 192);

// The preview of the last chosen picture: tiled, or an icon drawn once at the top left.
class Preview : public QWidget {
public:
    using QWidget::QWidget;
    void show(const QImage& picture, bool tiled) {
        picture_ = picture;
        tiled_ = tiled;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QImage surface(size(), QImage::Format_RGB32);
        surface.fill(kPreviewGrey);
        if (tiled_) {
            TileForm(surface, picture_, 1);
        } else if (!picture_.isNull()) {
            QPainter(&surface).drawImage(0, 0, picture_);
        }
        QPainter(this).drawImage(0, 0, surface);
    }

private:
    QImage picture_;
    bool tiled_ = true;
};

QLabel* label(const QString& text, QWidget* parent, int left, int top) {
    auto* l = new QLabel(text, parent);
    l->move(px(left), px(top));
    l->adjustSize();
    return l;
}

QPushButton* button(const QString& text, QWidget* parent, QRect place) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(place);
    return b;
}

struct PictureRow {
    const char* heading;
    const char* what;  // the row's short name, for screen readers
    int top;
    const char* filter;
    bool tiled;
};

// Background, header and icon: the heading's place, the file filter, how it is previewed.
const PictureRow kRows[] = {
    {"задний фон меню *", "задний фон меню", 360, "Файлы картинок (*.BMP *.gif)", true},
    {"фон заголовка *", "фон заголовка", 1080, "Файлы картинок (*.BMP)", true},
    {"значок меню путь с расширением(*.ico) или def - по умолчанию", "значок меню", 1800,
     "Файлы картинок (*.ICO)", false},
};

const char* const kCaptionPrompts[] = {"надпись на первой кнопке", "надпись на второй кнопке",
                                       "надпись на третьей кнопке"};

}  // namespace

Setting::Setting(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Форма1"));
    setFixedSize(px(8670), px(6825));
    QFont small = font();
    small.setPointSizeF(8);
    setFont(small);

    auto* warning =
        new QLabel(QStringLiteral("Внимание !!!  Пути к файлам указывать с расширением!"), this);
    warning->setGeometry(twipsRect(360, 120, 8295, 495));
    QFont arialBold(QStringLiteral("Arial"));
    arialBold.setPointSizeF(14.25);
    arialBold.setBold(true);
    warning->setFont(arialBold);
    warning->setStyleSheet(QStringLiteral("color: rgb(128, 0, 0);"));

    auto* frame = new QGroupBox(QStringLiteral("Меню"), this);
    frame->setGeometry(twipsRect(120, 720, 8415, 3375));
    const char* options[] = {"Без пароля", "Скрыть кнопку", "пароль"};
    for (int i = 0; i < 3; ++i) {
        mnu_[i] = new QRadioButton(QString::fromUtf8(options[i]), frame);
        // Wider than designed, so the captions fit the fonts of today.
        mnu_[i]->setGeometry(twipsRect(240, 360 + 360 * i, 2280, 255));
        connect(mnu_[i], &QRadioButton::clicked, this, &Setting::showPasswordBoxes);
    }
    mnu_[0]->setChecked(true);
    pas_ = new QLineEdit(QStringLiteral("пароль"), frame);
    pas_->setGeometry(twipsRect(240, 1440, 1575, 285));
    pas_->setAccessibleName(QStringLiteral("Пароль"));
    pass_ = new QLineEdit(QStringLiteral("подтверждение"), frame);
    pass_->setGeometry(twipsRect(240, 1800, 1575, 285));
    pass_->setAccessibleName(QStringLiteral("Подтверждение пароля"));
    for (QLineEdit* box : {pas_, pass_}) {
        // Once the box is emptied, its designer text still says what belongs in it.
        box->setPlaceholderText(box->text());
        box->hide();
        box->installEventFilter(this);
    }
    problem_ = new QLabel(frame);
    problem_->setGeometry(twipsRect(240, 2100, 2280, 390));
    problem_->setWordWrap(true);
    problem_->setStyleSheet(QStringLiteral("color: rgb(192, 0, 0);"));

    for (int row = 0; row < 3; ++row) {
        const int top = kRows[row].top;
        label(QString::fromUtf8(kRows[row].heading), frame, 2640, top);
        defaults_[row] =
            button(QStringLiteral("по умолчанию"), frame, twipsRect(2640, top + 240, 1335, 255));
        choose_[row] = button(QStringLiteral("..."), frame, twipsRect(4080, top + 240, 375, 255));
        values_[row] = label(QStringLiteral("def"), frame, 4800, top + 240);
        values_[row]->setMinimumWidth(px(3400));
        const QString what = QString::fromUtf8(kRows[row].what);
        defaults_[row]->setAccessibleName(QStringLiteral("По умолчанию: ") + what);
        choose_[row]->setAccessibleName(QStringLiteral("Выбрать файл: ") + what);
        connect(defaults_[row], &QPushButton::clicked, this,
                [this, row] { values_[row]->setText(QStringLiteral("def")); });
        connect(choose_[row], &QPushButton::clicked, this, [this, row] { choosePicture(row); });
    }
    const char* captions[] = {"Игра", "Редактор", "Выход"};
    const QRect places[] = {twipsRect(240, 2520, 2175, 375), twipsRect(2520, 2520, 2295, 375),
                            twipsRect(4920, 2520, 2055, 375)};
    for (int i = 0; i < 3; ++i) {
        captions_[i] = button(QString::fromUtf8(captions[i]), frame, places[i]);
        nameCaptionButton(i);
        connect(captions_[i], &QPushButton::clicked, this, [this, i] { askCaption(i); });
    }
    auto* note = new QLabel(QStringLiteral("def - по умолчанию"), frame);
    note->setGeometry(twipsRect(4320, 3000, 3255, 255));
    note->setFont(QFont(QStringLiteral("Arial"), 8));

    frm1_ = new Preview(this);
    frm1_->setGeometry(twipsRect(120, 4200, 8415, 2055));
    dialog_ = new QFileDialog(this);
    dialog_->setOption(QFileDialog::DontUseNativeDialog);
    dialog_->setFileMode(QFileDialog::ExistingFile);
    cmdNext_ = button(QStringLiteral("<< Далее >>"), this, twipsRect(3000, 6360, 1815, 375));
    cmdNext_->setDefault(true);
    connect(cmdNext_, &QPushButton::clicked, this, &Setting::save);
}

void Setting::showPasswordBoxes() {
    const bool password = mnu_[2]->isChecked();
    pas_->setVisible(password);
    pass_->setVisible(password);
    problem_->clear();
}

bool Setting::eventFilter(QObject* watched, QEvent* event) {
    if (watched != pas_ && watched != pass_) return QDialog::eventFilter(watched, event);
    auto* box = static_cast<QLineEdit*>(watched);
    // Every press in a password box empties it and masks what is typed next. A box reached
    // first by the keyboard (or any way but a press) is emptied and masked the same way, so
    // no password is ever shown in clear.
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool firstFocus =
        event->type() == QEvent::FocusIn && box->echoMode() != QLineEdit::Password;
    if (press || firstFocus) {
        box->clear();
        box->setEchoMode(QLineEdit::Password);
        problem_->clear();
    }
    return QDialog::eventFilter(watched, event);
}

void Setting::choosePicture(int row) {
    dialog_->setNameFilter(QString::fromUtf8(kRows[row].filter));
    // A cancelled choice leaves the value as it was.
    if (dialog_->exec() != QDialog::Accepted || dialog_->selectedFiles().isEmpty()) return;
    const QString file = dialog_->selectedFiles().first();
    values_[row]->setText(file);
    static_cast<Preview*>(frm1_)->show(QImage(file), kRows[row].tiled);
}

void Setting::askCaption(int button) {
    QInputDialog input(this);
    input.setWindowTitle(QString());
    input.setLabelText(QString::fromUtf8(kCaptionPrompts[button]));
    input.setTextValue(captions_[button]->text());
    // A cancelled input leaves the caption as it was.
    if (input.exec() == QDialog::Accepted) captions_[button]->setText(input.textValue());
    nameCaptionButton(button);
}

void Setting::nameCaptionButton(int button) {
    // Read as what the button sets and the caption it holds, an empty one included.
    captions_[button]->setAccessibleName(QString::fromUtf8(kCaptionPrompts[button]) +
                                         QStringLiteral(": ") + captions_[button]->text());
}

settings::Settings Setting::values() const {
    settings::Settings s = settings::defaultSettings();
    s.background = values_[0]->text().toStdString();
    s.header = values_[1]->text().toStdString();
    s.icon = values_[2]->text().toStdString();
    s.gameButton = captions_[0]->text().toStdString();
    s.editorButton = captions_[1]->text().toStdString();
    s.exitButton = captions_[2]->text().toStdString();
    return s;
}

void Setting::save() {
    using settings::AccessOption;
    const AccessOption option = mnu_[0]->isChecked()   ? AccessOption::NoPassword
                                : mnu_[1]->isChecked() ? AccessOption::HideButton
                                                       : AccessOption::Password;
    settings::Settings s = values();
    switch (settings::accessLineFor(option, pas_->text().toStdString(), pass_->text().toStdString(),
                                    s.editorAccess)) {
        case settings::PasswordProblem::None:
            break;
        case settings::PasswordProblem::Differs:
            problem_->setText(QStringLiteral("Пароль и подтверждение не совпадают"));
            return;
        case settings::PasswordProblem::Reserved:
            problem_->setText(QStringLiteral("«no» и «hide» не могут быть паролем"));
            return;
        case settings::PasswordProblem::NotStorable:
            problem_->setText(QStringLiteral("В пароле есть знаки, которые нельзя сохранить"));
            return;
    }
    const io::WriteResult written = settings::writeSettingsFile(s);
    if (!written) {
        QMessageBox::warning(this, QString(),
                             QStringLiteral("Не удалось записать файл %1: %2")
                                 .arg(QString::fromLatin1(settings::kSettingsFileName),
                                      QString::fromStdString(written.reason)));
        return;
    }
    accept();
}

}  // namespace boltik::qt
