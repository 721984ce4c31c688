#pragma once
// The number of sound-recording devices the system offers (what the sound
// card's options report to the operator).
int WaveInputDeviceCount();
