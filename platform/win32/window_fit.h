// Growing the main window until its client area holds the game's drawing.
// The outer sizes the game asks for hold the drawing only with the classic
// frame, caption and menu bar; larger decorations would cut its bottom off.
#pragma once

struct WindowRect {
    int x;
    int y;
    int width;
    int height;
};

// The outer rectangle that gives a client area of at least minClientWidth x
// minClientHeight, when the outer rectangle window gives clientWidth x
// clientHeight today. The growth is split evenly between the sides, so the
// window keeps its centre; a client area that is large enough leaves the
// rectangle unchanged.
WindowRect GrowToHoldClient(WindowRect window, int clientWidth, int clientHeight,
                            int minClientWidth, int minClientHeight);
