/* The skin package Vorlisk carries, embedded in the executable as a raw-data resource under this
   number. Plain definitions only: the resource compiler reads this file too. */
#pragma once

#define VL_IDR_CARRIED_SKIN 301
