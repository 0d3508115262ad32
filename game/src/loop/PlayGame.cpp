// One game: six stages in a row with five spare lives. Each stage attempt
// shows the start card, then runs 26 ms frames until the stage is cleared
// (and the clear banner has shown for 50 frames), the player falls out, or
// Escape is held.

#include "loop/PlayGame.h"

#include "assets/SharedObjects.h"
#include "camera/PlayerDrawing.h"
#include "camera/View.h"
#include "font/DrawGlyphs.h"
#include "loop/GameState.h"
#include "loop/Pause.h"
#include "player/InitPlayer.h"
#include "player/PlayerInput.h"
#include "player/PlayerPhysics.h"
#include "screens/EndingScreen.h"
#include "screens/GameOverScreen.h"
#include "shell/QuitRequest.h"
#include "stage/PrepareStage.h"

namespace {

constexpr std::int16_t StagesInAGame = 6;
constexpr std::int16_t SpareLives = 5;
constexpr std::int16_t ClearBannerFrames = 50;
constexpr unsigned int FrameTime = 26;
constexpr unsigned int StartCardTime = 2000;
constexpr unsigned int AfterStageTime = 1000;

// The objects of one game, constructed in this order and destroyed in the
// reverse one.
struct GameObjects {
  PlayerSprites playerSprites;
  QelSprite stageLabelSprite;
  QelSprite clearSprite;
  QelSound startMusic;
  QelSound stageMusic;
};

// What one game keeps between its stages.
struct GameProgress {
  std::int16_t stageIndex = 0;
  std::int16_t lives = SpareLives;
  std::int16_t stageTimes[StagesInAGame] = {};
  std::int16_t clearCountdown = 0;
  RopePlayer player;
};

// A window that is closing cannot be seen any more: the game ends at the
// next point where Escape would end it, rather than playing on unseen.
bool WindowClosing() {
  return QuitRequest == QuitWindowClosing;
}

void SetUpGameObjects(GameObjects& game) {
  game.stageLabelSprite.Set(QelDrawTrans, &StageLabelImage, nullptr, &WorldImage, 1.0f, 0);
  game.stageLabelSprite.posRect = {200, 182, 32, 256};
  game.stageLabelSprite.srcRect.width = 256;
  game.stageLabelSprite.srcRect.height = 32;
  game.clearSprite.Set(QelDrawTrans, &ClearImage, nullptr, &ScreenImage, 1.0f, 0);
  game.clearSprite.posRect.x = 120;
  game.clearSprite.posRect.y = 160;
  game.startMusic.GetFromFile("4.wav");
  game.stageMusic.GetFromFile("5.wav");
}

// The card before each attempt: KELVRO, the spare lives and the STAGE label
// with the stage's digit, over the stage, for two seconds.
void ShowStartCard(GameObjects& game, const GameProgress& progress) {
  DrawString(WorldImage, 240, 256, "KELVRO\n", QelDrawTrans);
  DrawDigit(WorldImage, 352, 256, progress.lives, QelDrawTrans);
  game.stageLabelSprite.Draw();
  ViewSprite.Draw();
  Pause(StartCardTime);
  // Take the card out of the world again.
  const _QelPS view = {0, 0, 460, 640};
  StageImage.Draw(QelDrawCopy, view, &WorldImage, view, 1.0f, 0);
}

void StartAttempt(GameObjects& game, GameProgress& progress) {
  MusicChannel.Play(&game.stageMusic, 0);
  PrepareStage(progress.stageIndex);
  progress.player = InitPlayer(game.playerSprites);
  GameState = GameStatePlaying;
  progress.clearCountdown = 0;
  progress.stageTimes[progress.stageIndex] = 0;
  DrawPlayer(progress.player, game.playerSprites);
  UpdateView(progress.player, progress.stageTimes[progress.stageIndex]);
  ShowStartCard(game, progress);
}

void PlayOneFrame(GameObjects& game, GameProgress& progress) {
  std::int16_t& frames = progress.stageTimes[progress.stageIndex];
  MusicChannel.Play(&game.stageMusic, 0);
  EraseHud();
  ErasePlayer(game.playerSprites);
  progress.player = PlayerInput(progress.player, progress.stageIndex);
  progress.player = PlayerPhysics(progress.player);
  DrawPlayer(progress.player, game.playerSprites);
  UpdateView(progress.player, frames);
  // The banner goes over the view before the wait, so that it stands on the
  // window for the whole frame; drawn after it, the next frame's view would
  // cover it again at once and it would never be seen.
  if (GameState == GameStateCleared) game.clearSprite.Draw();
  QelWait(FrameTime);
  if (GameState == GameStateCleared) {
    ++progress.clearCountdown;
  } else {
    frames = static_cast<std::int16_t>(frames + 1);
  }
  if (WindowClosing()) GameState = GameStateEscaped;
}

bool StageGoesOn(const GameProgress& progress) {
  return GameState == GameStatePlaying ||
         (GameState == GameStateCleared && progress.clearCountdown < ClearBannerFrames);
}

// After a clear or a fall: true when another attempt follows.
bool NextAttempt(GameProgress& progress) {
  if (GameState == GameStateCleared) {
    Pause(AfterStageTime);
    ++progress.stageIndex;
    if (progress.stageIndex == StagesInAGame) GameState = GameStateAllCleared;
    if (WindowClosing()) GameState = GameStateEscaped;
    if (GameState == GameStateCleared) return true;
  }
  if (GameState == GameStateAllCleared) ShowEnding(progress.stageTimes);
  if (GameState == GameStateFellOut) {
    Pause(AfterStageTime);
    --progress.lives;
    if (progress.lives < 0) GameState = GameStateGameOver;
    if (WindowClosing()) GameState = GameStateEscaped;
    if (GameState == GameStateFellOut) return true;
  }
  if (GameState == GameStateGameOver) ShowGameOver();
  return false;
}

}  // namespace

void PlayGame() {
  GameObjects game;
  SetUpGameObjects(game);
  // The title leaves the music channel silent, so this starts at once.
  MusicChannel.Play(&game.startMusic, 0);
  GameProgress progress;
  do {
    StartAttempt(game, progress);
    do {
      PlayOneFrame(game, progress);
    } while (StageGoesOn(progress));
  } while (NextAttempt(progress));
  MusicChannel.Stop();
}
