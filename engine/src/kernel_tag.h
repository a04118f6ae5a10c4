#pragma once
// Names the build of the kernels this source is compiled into: portable unless the build says fma.
#ifndef KOVALIN_KERNEL_TAG
#define KOVALIN_KERNEL_TAG portable
#endif
