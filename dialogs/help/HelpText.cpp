// The text of the help window, one section a topic.
#include "dialogs/help/HelpText.h"

namespace velmoran {

namespace {

const char* const objectText = R"(OBJECT OF THE GAME - BOOKS

Welcome to Velmoran! Although it is played alone with one deck of cards, Velmoran is more a strategy game for one player than a typical solitaire. Almost nothing is hidden from you, and careful planning wins far more games than lucky deals.

The large area on the left is the grid, where you lay out your cards. On the right you find your hand (the four places under the word "Hand") and, below it, the books area. The four kings start on the grid (or in your hand, if you choose "Custom" in the settings); every other card comes to you through your hand.

A BOOK is four cards of the same rank - for example all four sevens - laid out as a square, two cards wide and two cards high. When a book is complete, its four cards leave the grid and the book is shown in the books area at the lower right.

In the Standard game you may complete your books in any order you like, but they leave the grid only in rank order: the aces first, then the twos, the threes and so on. A finished book of fives simply waits on the grid until the fours have gone. When one book leaves, the next rank's book follows at once if it is already complete, so a single card can send several books away in a row.

In the Easy game every book leaves the grid the moment it is complete, whatever its rank.

Kings never form a book. Complete all twelve books, aces through queens, and you have won the game.)";

const char* const handText = R"(YOUR HAND

Your hand holds the cards you can play: up to four at a time, shown on the right of the table. You may play them in any order you like.

To play a card, drag it from your hand and drop it on a free place of the grid where it is allowed (see "Legal Moves"). If the place is not allowed, the card goes back to your hand with a buzz and nothing is lost.

When you want new cards, click an empty place of your hand: every empty place of the hand is filled from the deck. Cards you have not played stay where they are. A click on a card in your hand only picks it up, and while all four places hold face-up cards nothing is dealt. But you must play every card that can be played before you deal more; dealing while a card in your hand still has a legal place is "cheating" (see "Cheating").

With "Automatically deal cards" switched on (see "Settings, Other Options"), the game deals for you as soon as nothing in your hand can be played and no orphan is left on the grid. While card movement is shown, the new cards arrive face down: click one of them to turn them over.

The deck holds the 48 cards that are not kings, so a game lasts at most twelve full hands. When the deck is used up, the cards in your hand are the last ones.

To start a new game, choose New Game from the File menu (Ctrl+N). When no game has been started yet, a click on your hand starts one.)";

const char* const legalMovesText = R"(LEGAL MOVES

A card from your hand may go on a free place of the grid when it follows two rules:

1. It must touch at least one card already on the grid, edge to edge: above it, below it, to its left or to its right.

2. It must match EVERY card it touches, either in suit or in rank. Each neighbour may match in its own way: a seven of hearts may lie between a two of hearts (same suit) and a seven of clubs (same rank), but not next to a nine of spades.

Cards that touch only at their corners (diagonally) do not count at all: they neither help a card attach nor stand in its way.

Kings are the exception: a king may go on any free place of the grid, touching other cards or not. Once it lies there, a card placed next to it must match it like any other card.

Hints: hold a key while you press a card in your hand and keep the mouse button down.
- Shift (or Ctrl) frames every place where the card may legally go.
- Alt dims every card on the grid of the same suit.
- Super (Meta) dims every card on the grid of the same rank.
The hint disappears when you let go of the button; nothing is moved.)";

const char* const orphansText = R"(ORPHANED CARDS

When a book leaves the grid, the cards around it can be left touching nothing at all. Such a card is an ORPHAN. A single book can leave several orphans at once.

When orphans appear, a short signal sounds and, while card movement is shown, they blink, so you can spot them (once a game is cheated, they appear without either). Before you play another card from your hand, you must attach every orphan to the grid again: drag it to a place where it touches at least one other card and matches every card it touches, just as if you were playing it from your hand. Playing from your hand while orphans are left on the grid is "cheating" (see "Cheating").

Two orphans can also rescue each other: drag one next to the other (if they match in suit or rank) and neither is an orphan any more.

Kings are never orphans; they may stand alone anywhere.)";

const char* const undoText = R"(UNDO

Made a move you regret? Choose Undo from the Edit menu (Ctrl+Z) to take back your last move. You can keep undoing, one move at a time.

Undo only goes back to the start of the current deal, that is, to the moment your latest cards were dealt. Going back further, to the cards of an earlier deal, is "cheating" (see "Cheating").

A move that removes books is undone as a whole: the books come back to the grid together with the card that completed them.)";

const char* const cheatingText = R"(CHEATING

Three of the rules can be bent, if you really want to:

1. Undoing moves past the start of the current deal.

2. Dealing new cards while a card in your hand can still be played.

3. Playing from your hand while orphans are left on the grid.

The first time you try one of these in a game, a warning asks whether you want to cheat. Answer "Don't Cheat" and the action is called off. Answer "Cheat" and the game is marked as cheated: from then on you may bend all three rules freely for the rest of that game, without being asked again. A win in a cheated game is counted apart from your clean wins (see "Statistics").

If you would rather not be asked at all, switch off "Warn before cheating" in the settings (or tick "Never warn about cheating" in the warning itself). With the warning off, the three actions are simply allowed and the game is not marked as cheated.)";

const char* const statisticsText = R"(STATISTICS

Velmoran keeps count of your games, separately for the Standard and the Easy game:
- games won without cheating,
- games won with "cheating",
- games lost.

A game counts as won when its twelfth book leaves the grid. It counts as lost when you start a new game before it is won. Quitting the program does not count it: it is saved and waits for you next time (see "Auto-Saving").

To see your statistics, choose Statistics from the File menu (Ctrl+T). If you like, they can also appear by themselves before every new game: switch on "Show statistics after each game" in the settings. The Clear Stats button sets all the counts back to zero.)";

const char* const settingsGeneralText = R"(SETTINGS - GENERAL

All of Velmoran's settings are gathered in one window: choose All Game Settings... from the Settings menu (Ctrl+G). It has three groups:

- Main Settings: the difficulty, the grid size and where the kings start. These change the game itself, so they take effect only with a new game. While one of them differs from the game you are playing, a red note says so, Done is not available, and the New Game button applies your changes and starts the new game.

- Card Backs: the design on the back of the cards.

- Other Options: sounds, warnings, dimming, automatic dealing, statistics and card movement.

Done keeps your changes, Cancel forgets them, and Restore defaults puts the original settings back into the window (press Done or New Game to keep them).

The other items of the Settings menu switch single options on and off straight away; they work just like the boxes of the same name in the settings window.)";

const char* const newGameOptionsText = R"(SETTINGS - NEW GAME OPTIONS

These three settings take effect when you start a new game.

Difficulty: in the Standard game books leave the grid in rank order, aces first; in the Easy game every book leaves as soon as it is complete (see "Object, Books").

Grid Size: the number of places across and down. 12 x 9 gives the most room; 10 x 9, 12 x 7 and 10 x 7 are smaller and make the game harder.

Kings Start In: where the four kings are laid before the first deal.
- Center: the four kings side by side in the middle of the grid.
- Staggered Pairs: two kings side by side near the upper left, the other two near the lower right.
- Corners: one king in each corner of the grid.
- Inset Corners: one king near each corner, two places in from both edges.
- Random: the kings are placed at random on the grid, anew for every game.
- Custom: the kings start in your hand, and you place them wherever you like before the first cards are dealt.)";

const char* const cardBacksText = R"(SETTINGS - CARD BACKS

Choose the design on the back of the cards from the list of 32 card backs. Click a name to see a sample beside the list, shown at the size the cards have on your table. Use the arrow keys to run through the designs quickly.

Press Done to use the new card back; Cancel keeps the old one. The card backs appear while the cards are shuffled, when new cards are dealt face down and when a book is turned over to leave the grid.)";

const char* const otherOptionsText = R"(SETTINGS - OTHER OPTIONS

Play sounds: the game's sound effects on or off.

Warn before cheating: ask before you bend one of the three rules (see "Cheating").

Dim unplayable cards: cards in your hand that have no legal place anywhere on the grid, and orphans that have nowhere to go, are shown dimmed.

Automatically deal cards: deal a new hand by itself as soon as nothing in your hand can be played and no orphan is left on the grid.

Warn before giving up: ask before a new game replaces an unfinished game in which cards have been dealt from the deck.

Show statistics after each game: show your statistics before every new game.

Show card shuffling and other movement: animate the shuffle, the deal and the removal of books. The slider below it sets how fast they run, from Slow to Fast; it is available only while this box is ticked.)";

const char* const autoSavingText = R"(AUTO-SAVING

There is nothing to save by hand. When you quit Velmoran with Quit from the File menu (Ctrl+Q), your settings, your statistics and the game in progress are all saved, moves included. The next time you start Velmoran, you carry on exactly where you stopped, and you can even undo the moves made before you quit.

Closing the main window saves in just the same way. Only if the program is stopped some other way, by a power cut for instance, does the next start bring back what was saved the last time you quit.)";

const char* const strategyText = R"(STRATEGY & HINTS

1. Spread out early. At the start of a game there is plenty of room; lay your cards so that many different suits and ranks have free edges to attach to later.

2. Plan for orphans. Think ahead about which cards will be left alone when a book leaves. The lower ranks leave first in the Standard game, so avoid building on aces and twos with cards you will need to keep in place.

3. Play the higher card of a suit first. If you hold two cards of the same suit, playing the higher one first usually keeps more places open, because it will stay on the grid longer.

4. Mind where you complete a book. When a book leaves, every card that leaned only on it is left alone. In the position below, the last two in your hand would complete the book of twos - and leave the nine and the jack beside it touching nothing: two orphans at once, and the game is stuck until you find places for them. Look at the whole neighbourhood before you drop the fourth card, and prefer finishing books whose neighbours are held by other cards too.

5. The suits are not equal early in the game. The suits of the kings, and of the cards already on the grid, have the most places to go. A suit with few cards out is hard to place, so start it somewhere it can grow.

6. Be patient. Use the hints (Shift, Alt and Super) to study the grid before you move, and take your time: Velmoran rewards careful thought far more than speed.)";

constexpr std::array<HelpTopic, helpTopicCount> topics{{
    {"Object, Books", "PXbooks", objectText},
    {"The Hand", "PXhand", handText},
    {"Legal Moves", "PXshiftclick", legalMovesText},
    {"Orphans", "PXorphan", orphansText},
    {"Undo", "", undoText},
    {"Cheating", "PXcheat", cheatingText},
    {"Statistics", "PXstats", statisticsText},
    {"Settings, General", "PXsettingsmenu", settingsGeneralText},
    {"Settings, New Game", "PXnewgameoptions", newGameOptionsText},
    {"Settings, Card Backs", "PXcardbacksettings", cardBacksText},
    {"Settings, Other Options", "PXotheroptions", otherOptionsText},
    {"Auto-Saving", "", autoSavingText},
    {"Strategy & Hints", "PXconflict", strategyText},
}};

}  // namespace

const std::array<HelpTopic, helpTopicCount>& helpTopics() { return topics; }

}  // namespace velmoran
