// What the library uses of the handset's photo and ring tone components: the
// camera capture and the picture picker (IPhotoSource), and the ring tone
// picker (IRingTonePicker with IRingTonePickerView).
#pragma once

#include <mediapickers/PhotoSource.h>
#include <mediapickers/RingTonePicker.h>
