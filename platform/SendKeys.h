#pragma once
// Posts one Tab key press and release; they go to whatever widget has the focus when the
// posted event is processed (not when SendTab is called).
void SendTab();
