// Dealing a new game: the deal's random generator and the shuffled board.
#pragma once

#include "model/game_state.h"

#include <cstdint>

// A 32-bit linear congruential generator; nothing but the deal uses it.
struct DealRandom {
    uint32_t state;
};

void SeedDealRandom(DealRandom& random, uint32_t seed);
// The next value, 0..32767.
int NextDealRandom(DealRandom& random);

// Lays out a fresh shuffled board for the difficulty in force, seeded from
// the current time, and resets the game's counters. Requests no repaint.
void DealNewGame(GameState& state);

// The board part of a deal, for a given seed: fills, shuffles and resets the
// game's counters without touching sound or the clock source.
void DealBoard(GameState& state, uint32_t seed);
