// SPDX-License-Identifier: GPL-3.0-or-later
// Light glasses on a USB board: every byte received at 115200 baud sets eight
// pins to its eight bits, exactly as the program's LED byte would set the data
// lines of a parallel port. Bit 0 is LED 1 (left eye) ... bit 7 is LED 8
// (right eye); see README.md for the wiring.
//
// If no byte arrives for 2 seconds (the program ended, crashed or the cable
// came out) every LED goes off: the glasses are never left lit in front of
// closed eyes.

const uint8_t kPins[8] = {2, 3, 4, 5, 6, 7, 8, 9}; // LED 1 .. LED 8
const unsigned long kSilenceMs = 2000;

unsigned long lastByteAt = 0;
bool dark = true;

void show(uint8_t value) {
  for (uint8_t i = 0; i < 8; ++i)
    digitalWrite(kPins[i], (value >> i) & 1 ? HIGH : LOW);
}

void setup() {
  for (uint8_t i = 0; i < 8; ++i) {
    pinMode(kPins[i], OUTPUT);
    digitalWrite(kPins[i], LOW);
  }
  Serial.begin(115200); // 8 data bits, no parity, 1 stop bit
}

void loop() {
  // Only the newest byte matters: older ones still waiting are patterns that
  // are already over.
  int latest = -1;
  while (Serial.available() > 0)
    latest = Serial.read();
  const unsigned long now = millis();
  if (latest >= 0) {
    show(uint8_t(latest));
    lastByteAt = now;
    dark = false;
  } else if (!dark && now - lastByteAt >= kSilenceMs) {
    show(0);
    dark = true;
  }
}
