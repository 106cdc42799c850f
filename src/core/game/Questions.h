// The questions the program asks in its own two-button message box. Each carries an identity,
// so scripts and tests answer a question by what it asks, never by matching its text.
#pragma once

#include <string>

namespace boltik::game {

enum class QuestionId {
    LeaveGame,     // Escape in the game window
    RestartLevel,  // Escape, after the first question was answered "Нет"
    MissingLevel,  // a level file that cannot be loaded
    ExitProgram,   // the start menu's exit button
    UnsavedLevel,  // the level editor's New, Load or exit over unsaved changes
};

struct Question {
    QuestionId id;
    std::string text;     // UTF-8
    std::string button1;  // the answer 1
    std::string button2;  // the answer 2
    // The answer that keeps the player where they are, so a stray Enter never ends the
    // program or wrecks the level: the keyboard's highlight starts on it.
    int safeAnswer = 2;
};

// "Вы уверены, что хотите выйти ?" with "Да" and "Нет".
Question leaveGameQuestion();
// "Вы хотите перезапустить тур ?" with "Да" and "Нет".
Question restartLevelQuestion();
// "Тура" + name + "не существует, продолжить ?" with "Да" and "Нет".
Question missingLevelQuestion(const std::string& name);
// The start menu asks "Вы уверены, что хотите выйти ?" too.
Question exitProgramQuestion();
// "Уровень изменён. Сохранить ?" with "Да" and "Нет": the level editor's changes since the
// last New, Load or Save are about to go.
Question unsavedLevelQuestion();

// A short English name of the question, for scripts and messages: "leave", "restart",
// "missing-level", "exit", "unsaved-level".
const char* questionName(QuestionId id);

}  // namespace boltik::game
