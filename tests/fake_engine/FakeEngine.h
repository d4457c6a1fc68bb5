/* A stand-in for the engine library in tests: the seven exports, plus controls
 * that let a test script what the engine says and see what it was told. Its
 * loop calls the pump, then announces at most one scripted text per round,
 * and returns on "quit" or when its round limit is reached. */
#ifndef VARNIX_FAKE_ENGINE_H
#define VARNIX_FAKE_ENGINE_H

#include "engine/api/varnix_engine.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Forgets everything: lines received, scripts, counters. */
VARNIX_API void fake_Reset(void);
VARNIX_API int fake_ReceivedCount(void);
/* The i-th line received ("" outside). */
VARNIX_API const char* fake_Received(int i);
/* Texts the loop announces, in order. */
VARNIX_API void fake_QueueOutput(const char* text);
VARNIX_API void fake_SetRoundLimit(int rounds);
/* varnix_GetMove lists this many (dummy) moves for any position. */
VARNIX_API void fake_SetLegalMoveCount(int count);

#ifdef __cplusplus
}
#endif

#endif
