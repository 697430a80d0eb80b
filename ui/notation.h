#pragma once

// How moves are written and spoken: English words with USI squares ("Sente pawn 1d to 1c"),
// Japanese as KIF writes a move ("▲１三歩"), or the USI move itself ("1d1c").
enum class Notation { English, Japanese, Usi };
