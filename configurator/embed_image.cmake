# Writes the source that makes the assembler include the application image
# byte for byte (.incbin): no huge generated array, nothing for the compiler
# to parse. Run at build time whenever the application was relinked, so the
# Configurator always carries the image of the same build.
#   cmake -DIMAGE=<application executable> -DOUTPUT=<generated .cpp> -P embed_image.cmake
if(NOT IMAGE OR NOT OUTPUT)
  message(FATAL_ERROR "embed_image.cmake needs IMAGE and OUTPUT")
endif()
file(SIZE "${IMAGE}" image_size)
string(REPLACE "\\" "/" image_path "${IMAGE}")
string(REPLACE "\"" "\\\"" image_path "${image_path}")
file(WRITE "${OUTPUT}" "// Generated at build time from the application executable (${image_size} bytes).
// Do not edit: configurator/embed_image.cmake writes it.
#if defined(_WIN32)
#define SA_IMAGE_SECTION \".pushsection .rdata$sa_app_image,\\\"dr\\\"\\n\"
#define SA_IMAGE_TYPE(symbol) \"\"
#else
#define SA_IMAGE_SECTION \".pushsection .rodata.sa_app_image,\\\"a\\\"\\n\"
#define SA_IMAGE_TYPE(symbol) \".type \" #symbol \", %object\\n\"
#endif
asm(SA_IMAGE_SECTION
    \".balign 64\\n\"
    \".globl sa_app_image_begin\\n\"
    SA_IMAGE_TYPE(sa_app_image_begin)
    \"sa_app_image_begin:\\n\"
    \".incbin \\\"${image_path}\\\"\\n\"
    \".globl sa_app_image_end\\n\"
    SA_IMAGE_TYPE(sa_app_image_end)
    \"sa_app_image_end:\\n\"
    \".byte 0\\n\"
    \".popsection\\n\");
")
