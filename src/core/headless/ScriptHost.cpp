// The host of headless runs.
#include "core/headless/ScriptHost.h"

namespace boltik::headless {

using game::Question;
using game::QuestionId;

void ScriptHost::yield() {
    const long cycle = ctx_ ? ctx_->cycles : 0;
    if (nextEvent_ <= cycle) runEvents(cycle);
    while (!pointEvents_.empty() && pointEvents_.begin()->first <= yieldPoint()) {
        auto fn = std::move(pointEvents_.begin()->second);
        pointEvents_.erase(pointEvents_.begin());
        fn();
    }
}

void ScriptHost::runEvents(long cycle) {
    while (!events_.empty() && events_.begin()->first <= cycle) {
        auto fn = std::move(events_.begin()->second);
        events_.erase(events_.begin());
        fn();
    }
    waitFor(events_.empty() ? kNever : events_.begin()->first);
}

int ScriptHost::askUser(const Question& question) {
    asked.push_back(question);
    if (question.id != QuestionId::MissingLevel) missingInARow_ = 0;
    if (question.id == QuestionId::MissingLevel && missingLimit_ > 0 &&
        ++missingInARow_ >= missingLimit_) {
        throw ScriptStop(std::to_string(missingLimit_) +
                         " level files in a row could not be loaded; the last: \"" + question.text +
                         "\"");
    }
    if (!answers_.empty() && answers_.front().first == question.id) {
        const int answer = answers_.front().second;
        answers_.pop_front();
        return answer;
    }
    if (const auto it = standing_.find(question.id); it != standing_.end()) return it->second;
    std::string expected;
    if (!answers_.empty()) {
        expected = std::string(" while the script expected the ") +
                   game::questionName(answers_.front().first) + " question";
    }
    throw ScriptStop(std::string("the ") + game::questionName(question.id) + " question \"" +
                     question.text + "\" was asked" + expected + ", and no answer was scripted");
}

std::optional<std::string> ScriptHost::chooseLevel() {
    if (choices.empty()) return std::nullopt;
    auto choice = choices.front();
    choices.pop_front();
    return choice;
}

double ScriptHost::random() {
    if (!randoms.empty()) {
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    if (fixedRandom) return *fixedRandom;
    ++draws_;
    return uniform_(generator_);
}

void ScriptHost::rewindTo(uint32_t draws) {
    if (draws < draws_) {
        generator_.seed(seed_);
        draws_ = 0;
    }
    for (; draws_ < draws; ++draws_)
        uniform_(generator_);
}

}  // namespace boltik::headless
