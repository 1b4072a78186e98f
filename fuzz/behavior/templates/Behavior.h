//[File]
//[Head]
//@Version "H00080001"
//[HeadEnd]
#define DF_STATE_POISON 31 //@Combo "Poison"
#define DF_STATE_SLEEP 32 //@Combo "Sleep"
#define DF_STATE_MOVE 33 //@Combo "Move"
#define DF_ROUND_CAMP 0x10 //@Combo "Camp"
#define DF_ROUND_USE 0x30 //@Combo "Use"
#define DF_ROUND_ATTACK 0x50 //@Combo "Attack"
#define DF_VALUE_FIRE 1 //@Combo "Fire"
//[FileEnd]
