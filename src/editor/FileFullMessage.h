#pragma once

#include "project/SlideShowProject.h"

class Prompter;

// The "File is full!" box: the show holds the most slides it can.
void ShowFileFullMessage(Prompter& ui);
// Shows that box when a growth step of the slide table reports the ceiling.
void SayWhenFull(GrowOutcome outcome, Prompter& ui);
