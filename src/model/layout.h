// The table's geometry in client pixels, in one place: the cards, the hands, the rules' labels,
// the table's painting, the card art and accessibility all take their sizes from here.
#pragma once

constexpr int CARDS_PER_HAND = 5;

// The card pictures. Every small layout takes a small card as one row taller than its picture.
constexpr int CARD_LARGE_WIDTH = 71;
constexpr int CARD_LARGE_HEIGHT = 96;
constexpr int CARD_SMALL_WIDTH = 25;
constexpr int CARD_SMALL_PICTURE_HEIGHT = 33;
constexpr int CARD_SMALL_HEIGHT = CARD_SMALL_PICTURE_HEIGHT + 1;

// The cards of a hand stand in a row, 4 pixels apart when large and 1 when small.
constexpr int CARD_LARGE_STEP = CARD_LARGE_WIDTH + 4;
constexpr int CARD_SMALL_STEP = CARD_SMALL_WIDTH + 1;
constexpr int HAND_LARGE_WIDTH = (CARDS_PER_HAND - 1) * CARD_LARGE_STEP + CARD_LARGE_WIDTH;
constexpr int HAND_SMALL_WIDTH = (CARDS_PER_HAND - 1) * CARD_SMALL_STEP + CARD_SMALL_WIDTH;

// A scoring hand's label: a box as wide as the hand, from 1 to 20 pixels below its cards.
constexpr int LABEL_TOP = 1;
constexpr int LABEL_BOTTOM = 20;

// The 49 small hands fill seven columns of seven from (5, 5); a column is its hand and a 6-pixel
// gap wide, a row its hand, label and a gap high.
constexpr int GRID_ROWS = 7;
constexpr int GRID_LEFT = 5;
constexpr int GRID_TOP = 5;
constexpr int GRID_COLUMN_PITCH = HAND_SMALL_WIDTH + 6;
constexpr int GRID_ROW_PITCH = CARD_SMALL_HEIGHT + 25;

// The main hand, below the grid's eighth row (counted at 19 pixels of label and gap a row).
constexpr int MAIN_HAND_LEFT = 10;
constexpr int MAIN_HAND_TOP = 5 + 8 * (CARD_SMALL_HEIGHT + 19);

static_assert(HAND_LARGE_WIDTH == 371 && HAND_SMALL_WIDTH == 129);
static_assert(GRID_COLUMN_PITCH == 135 && GRID_ROW_PITCH == 59 && MAIN_HAND_TOP == 429);
