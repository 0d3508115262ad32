#pragma once

#include "audio/score.h"

namespace assetgen {

// The game's music, each written as a score.
Song opening_tune();  // first title only: a rising fanfare, played once
Song title_tune();    // every title: a bright melody that loops
Song start_jingle();  // a game begins
Song stage_tune();    // while the stages are played: driving, loops
Song ending_tune();   // the results after the sixth stage; starts over when done
Song goal_fanfare();  // the hook reaches a goal cell

}  // namespace assetgen
