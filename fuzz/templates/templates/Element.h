//[File]
//[Head]
//@Version "H00080001"
//[HeadEnd]
#define DF_SEX_MALE 1 //@Combo "男"
#define DF_SEX_FEMALE 2 //@Combo "女"
#define DF_ELEMENT_FIRE 0x10 //@Combo "火"
#define DF_ELEMENT_WATER 0x20 //@Combo "水"
#define DF_ELEMENT_ICE 0x20 //@Combo "冰"
#define DF_MAX_SKILL 8 //@Combo "技能上限"
//[FileEnd]
