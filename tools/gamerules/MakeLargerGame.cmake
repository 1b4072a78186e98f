# A copy of a game folder with one define file more, so that loading it reads
# one file more than the original.
#   cmake -DSOURCE=FOLDER -DTARGET=FOLDER -P MakeLargerGame.cmake
file(REMOVE_RECURSE ${TARGET})
file(COPY ${SOURCE}/ DESTINATION ${TARGET})
file(WRITE ${TARGET}/Template/Template/TemplateDefine/Extra.h
     "//[File]\r\n//[Head]\r\n//@Version \"H00080000\"\r\n//[HeadEnd]\r\n#define DF_Extra_Unused 1 //@Combo \"Extra\"\r\n//[FileEnd]\r\n")
