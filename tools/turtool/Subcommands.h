// The subcommands of turtool beside show, check and run, and what they share.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/board/Board.h"
#include "core/board/LevelFile.h"
#include "core/game/Context.h"
#include "core/loop/MainLoop.h"
#include "core/recording/Recording.h"

namespace turtool {

// Loads a level into a fresh board, or prints one line naming what failed.
std::optional<boltik::board::LevelReadResult> openLevel(const std::string& file,
                                                        boltik::board::Board& board,
                                                        std::ostream& err);
// The line that names a level file and why it could not be loaded.
void reportLevelFailure(std::ostream& err, const std::string& file,
                        const boltik::board::LevelReadResult& result);
// "layer N:" and the 12 rows of the play area, 19 numbers each, row 0 first.
void printLayer(std::ostream& out, const boltik::board::Board& board, int layer);

// edit [--from FILE] --script S: an editor board driven by a script; see Edit.cpp.
int edit(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// settings FILE: how the start menu reads a settings file.
int showSettings(const std::string& file, std::ostream& out);
// replay FILE: plays a recorded game headless and prints the dump it ended with.
int replayGame(const std::string& file, std::ostream& out, std::ostream& err);

// The dump that run and replay end with: the result, the counters, the player, startMode,
// the wreck countdown and the codes of the play area.
void printDump(std::ostream& out, const char* result, const boltik::game::Context& ctx);
const char* resultName(boltik::loop::GameEnd end, long cycles);
// solve FILE [--max-seconds S] [--max-states N]: the shortest winning script; see
// SolveCommand.cpp.
int solve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// stats FILE [--max-states N] [--seed S] [--route SCRIPT [--seeds N]]: how hard a level is;
// see SolveCommand.cpp.
int stats(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace turtool
