// Dealing cards from the deck into the hand.
#include "engine/MainRoutines.h"

namespace velmoran {

namespace {

constexpr int deckUsedUp = deckSize + 1;

constexpr const char* dealCheatReason =
    "Dealing more cards when you still have playable cards in your hand is considered "
    "\"cheating\".";

bool isFreeSlot(int code) { return code == emptyCode || code == cardBackCode; }

}  // namespace

bool MainRoutines::hasFreeHandSlot() const {
  for (int c = firstHandColumn; c <= lastHandColumn; ++c) {
    if (isFreeSlot(gPlayingGrid[c][handRow])) return true;
  }
  return false;
}

bool MainRoutines::hasPlayableHandCard() const {
  for (int c = firstHandColumn; c <= lastHandColumn; ++c) {
    const int card = gPlayingGrid[c][handRow];
    if (isCard(card) && hasLegalPlace(card)) return true;
  }
  return false;
}

// Dealing past a playable hand card is cheating: asked once a game while
// the warning is on. False when the player declined.
bool MainRoutines::dealAllowed() {
  if (gCheated || !gCheatWarning || !hasPlayableHandCard()) return true;
  if (!askCheat(dealCheatReason)) return false;
  gCheated = true;
  return true;
}

void MainRoutines::deal() {
  const Command command(*this);
  if (gDeckPtr == 0) {
    newGame();  // the first game; its own automatic deal fills the hand
    return;
  }
  if (gDeckPtr > deckSize) {
    table_->showMessage("There are no more cards to deal.");
    return;
  }
  // A hand without a free slot takes no card: such a deal is no deal at
  // all, so it sounds nothing and does not mark where a deal began.
  if (!hasFreeHandSlot()) return;
  if (!dealAllowed()) return;

  if (!gShuffle) playSound(Sound::SNDflick);  // once for the whole deal
  gCheatDeckPtr = gDeckPtr;
  table_->setDrawTarget(DrawTarget::Window);
  for (int c = firstHandColumn; c <= lastHandColumn; ++c) {
    if (!isFreeSlot(gPlayingGrid[c][handRow])) continue;
    gPlayingGrid[c][handRow] = gDeck[gDeckPtr];
    table_->placeCard(gDeck[gDeckPtr], c, handRow);
    if (gShuffle) {
      playSound(Sound::SNDflick);
      table_->updateNow();
      animationDelay(1);
    }
    table_->waitWhilePlaying(Sound::SNDflick);
    if (++gDeckPtr == deckUsedUp) break;
  }
  table_->setDrawTarget(DrawTarget::Offscreen);
  table_->rebuildOffscreen();
}

void MainRoutines::dealDown() {
  if (!gAutoDeal || gDeckPtr < 1 || gDeckPtr >= deckUsedUp) return;
  if (!gNoOrphans && !gCheated) return;
  if (hasPlayableHandCard()) return;
  if (!hasFreeHandSlot()) return;  // nothing could be dealt; stay silent

  if (!gShuffle) {
    playSound(Sound::SNDdeal);
    deal();
    table_->waitWhilePlaying(Sound::SNDdeal);
    return;
  }
  dealFaceDown();
}

// Lays face-down cards into the empty slots; the player's press on the hand
// turns them up. The deck pointer stays: the cards are still in the deck.
void MainRoutines::dealFaceDown() {
  int counter = gDeckPtr;
  table_->setDrawTarget(DrawTarget::Window);
  for (int c = firstHandColumn; c <= lastHandColumn; ++c) {
    const int slot = gPlayingGrid[c][handRow];
    if (slot == cardBackCode) {
      table_->updateNow();
      break;
    }
    if (slot != emptyCode) continue;
    if (++counter > deckUsedUp) break;
    playSound(Sound::SNDdeal);
    table_->placeCard(cardBackCode, c, handRow);
    table_->updateNow();
    gPlayingGrid[c][handRow] = cardBackCode;
    animationDelay(1);
    table_->waitWhilePlaying(Sound::SNDdeal);
  }
  table_->setDrawTarget(DrawTarget::Offscreen);
  table_->rebuildOffscreen();
}

}  // namespace velmoran
