// The texts of the questions.
#include "core/game/Questions.h"

namespace boltik::game {

namespace {

const char* const kYes = "Да";
const char* const kNo = "Нет";
const char* const kLeave = "Вы уверены, что хотите выйти ?";

}  // namespace

Question leaveGameQuestion() {
    return {QuestionId::LeaveGame, kLeave, kYes, kNo};
}

Question restartLevelQuestion() {
    return {QuestionId::RestartLevel, "Вы хотите перезапустить тур ?", kYes, kNo};
}

Question missingLevelQuestion(const std::string& name) {
    // Going on to the next number keeps the player playing.
    return {QuestionId::MissingLevel, "Тура" + name + "не существует, продолжить ?", kYes, kNo, 1};
}

Question exitProgramQuestion() {
    return {QuestionId::ExitProgram, kLeave, kYes, kNo};
}

Question unsavedLevelQuestion() {
    // Saving keeps the author's work.
    return {QuestionId::UnsavedLevel, "Уровень изменён. Сохранить ?", kYes, kNo, 1};
}

const char* questionName(QuestionId id) {
    switch (id) {
        case QuestionId::LeaveGame:
            return "leave";
        case QuestionId::RestartLevel:
            return "restart";
        case QuestionId::MissingLevel:
            return "missing-level";
        case QuestionId::UnsavedLevel:
            return "unsaved-level";
        case QuestionId::ExitProgram:
            break;
    }
    return "exit";
}

}  // namespace boltik::game
