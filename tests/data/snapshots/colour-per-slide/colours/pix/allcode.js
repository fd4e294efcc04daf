<!--
var place = 0;
var stop = 0;
var auto = false;
var secdelay = 59000;
var current = 0;
var cnt = 0;
var bName;
var bVer;
var goodnum = 0;
var buts = false;
var caps = false;
var browsercompatible = false;
var x = new Array();
 x[0] = {"q":"progid:DXImageTransform.Microsoft.RandomDissolve()"};
 x[1] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=circle, motion=in, duration=3)"};
 x[2] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=circle, motion=out, duration=3)"};
 x[3] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=cross, motion=in, duration=3)"};
 x[4] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=cross, motion=out, duration=3)"};
 x[5] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=plus, motion=in, duration=3)"};
 x[6] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=plus, motion=out, duration=3)"};
 x[7] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=square, motion=in, duration=3)"};
 x[8] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=square, motion=out, duration=3)"};
 x[9] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=star, motion=in, duration=3)"};
 x[10] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=star, motion=out, duration=3)"};
 x[11] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=0, motion=forward, duration=3)"};
 x[12] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=0, motion=reverse, duration=3)"};
 x[13] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=1, motion=forward, duration=3)"};
 x[14] = {"q":"progid:DXImageTransform.Microsoft.Wipe(GradientSize=.30, wipeStyle=1, motion=reverse, duration=3)"};
 x[15] = {"q":"progid:DXImageTransform.Microsoft.Fade(duration=3, overlap=1, center=0)"};
 x[16] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=horizontal, motion=out)"};
 x[17] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=horizontal, motion=in)"};
 x[18] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=vertical, motion=out)"};
 x[19] = {"q":"progid:DXImageTransform.Microsoft.Barn(orientation=vertical, motion=in)"};
 x[20] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='RIGHT')"};
 x[21] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='LEFT')"};
 x[22] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='UP')"};
 x[23] = {"q":"progid:DXImageTransform.Microsoft.Blinds(bands=8,direction='DOWN')"};
 x[24] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='RIGHT',duration=3)"};
 x[25] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='LEFT',duration=3)"};
 x[26] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='UP',duration=3)"};
 x[27] = {"q":"progid:DXImageTransform.Microsoft.Checkerboard(squaresX=12,squaresY=8,direction='DOWN',duration=3)"};
 x[28] = {"q":"progid:DXImageTransform.Microsoft.Inset( )"};
 x[29] = {"q":"progid:DXImageTransform.Microsoft.Pixelate(MaxSquare=5,Duration=3,Enabled=false)"};
 x[30] = {"q":"progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='clock')"};
 x[31] = {"q":"progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='wedge')"};
 x[32] = {"q":"progid:DXImageTransform.Microsoft.RadialWipe(wipeStyle='radial')"};
 x[33] = {"q":"progid:DXImageTransform.Microsoft.RandomBars(orientation='horizontal')"};
 x[34] = {"q":"progid:DXImageTransform.Microsoft.RandomBars(orientation='vertical')"};
 x[35] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='HIDE', bands=1)"};
 x[36] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='PUSH', bands=1)"};
 x[37] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='SWAP', bands=1)"};
 x[38] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='HIDE', bands=7)"};
 x[39] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='PUSH', bands=7)"};
 x[40] = {"q":"progid:DXImageTransform.Microsoft.Slide(slideStyle='SWAP', bands=7)"};
 x[41] = {"q":"progid:DXImageTransform.Microsoft.Spiral(GridSizeX=8, GridSizeY=8)"};
 x[42] = {"q":"progid:DXImageTransform.Microsoft.Spiral(GridSizeX=64, GridSizeY=64)"};
 x[43] = {"q":"progid:DXImageTransform.Microsoft.Stretch(stretchStyle='hide')"};
 x[44] = {"q":"progid:DXImageTransform.Microsoft.Stretch(stretchStyle='spin')"};
 x[45] = {"q":"progid:DXImageTransform.Microsoft.Stretch(stretchStyle='push')"};
 x[46] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='leftdown')"};
 x[47] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='leftup')"};
 x[48] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='rightdown')"};
 x[49] = {"q":"progid:DXImageTransform.Microsoft.Strips(Duration=3, Motion='rightup')"};
 x[50] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=2)"};
 x[51] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=4)"};
 x[52] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=10)"};
 x[53] = {"q":"progid:DXImageTransform.Microsoft.Wheel(duration=3,spokes=20)"};
 x[54] = {"q":"progid:DXImageTransform.Microsoft.zigzag(GridSizeX=16, GridSizeY=16)"};
 x[55] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=diamond, motion=in, duration=3)"};
 x[56] = {"q":"progid:DXImageTransform.Microsoft.Iris(irisStyle=diamond, motion=out, duration=3)"};


function startdisplay()  {
 }


function changedisplay(cnt)  { 
    var pcnt = cnt + 1;
    window.status = "Picture #" + pcnt + " of " + picz.length;
    if(bName == "Microsoft Internet Explorer") {
        document.bgColor = bkcolorz[cnt];
        if(caps == true) {
            var msg = document.getElementById("text");
            msg.style.textAlign = "center";
            msg.style.fontSize = "20";
            msg.style.fontFamily = "Comic Sans MS";
            msg.style.color = TxtForeCol[cnt];
            msg.style.backgroundColor = TxtAreaBkCol[cnt];
            msg.innerText = capz[cnt];
        }
    }
    if(browsercompatible) form1.docimage.style.filter=x[randomNum(x.length - 1)].q;
    if(!document.images) return;
    if(browsercompatible) document.form1.docimage.filters[0].apply();
    document.images["docimage"].src= picz[cnt];
    if(browsercompatible) document.form1.docimage.filters[0].play();
}


function asktoclose() {
    var quit = confirm("Are you sure you want to quit?");
    if(quit==true)
        window.close();
   }


function initPics () { 
    this.length = initPics.arguments.length;
    for (var i=0; i < this.length; i++) { 
        this[i] = initPics.arguments[i]; 
  }
 }

var picz = new initPics (
    "pic1.jpg",
    "pic2.jpg",
    "pic3.jpg"
);




function initbkcolor () { 
    this.length = initbkcolor.arguments.length;
    for (var i=0; i < this.length; i++) { 
        this[i] = initbkcolor.arguments[i]; 
  }
 }

var bkcolorz = new initbkcolor (
    "#FF0005",
    "#030201",
    "#FF00C1"
);




function initCaption () { 
    this.length = initCaption.arguments.length;
    for (var i=0; i < this.length; i++) { 
        this[i] = initCaption.arguments[i]; 
  }
 }

var capz = new initCaption (
    "C:\\Photos\r\nsecond line",
    "ends in a backslash\\",
    "\x3C/script> \'quoted\' it\'s"
);




function initTxtForeCol () { 
    this.length = initTxtForeCol.arguments.length;
    for (var i=0; i < this.length; i++) { 
        this[i] = initTxtForeCol.arguments[i]; 
  }
 }

var TxtForeCol = new initTxtForeCol (
    "#000080",
    "#000000",
    "#FFFFFF"
);




function initTxtAreaBkCol () { 
    this.length = initTxtAreaBkCol.arguments.length;
    for (var i=0; i < this.length; i++) { 
        this[i] = initTxtAreaBkCol.arguments[i]; 
  }
 }

var TxtAreaBkCol = new initTxtAreaBkCol (
    "#00FF00",
    "#80FFFF",
    "#80FFFF"
);


function keycheck() { 
    charkey = window.event.keyCode;
    switch (charkey) { 
        case 69:asktoclose();
            break; //exit
        case 72:help();
            break; //help
        case 32:checkIt(1);
            break; //spacebar
        case 8:checkIt(-1);
            break; //backspace
        case 83:togglenobuttons(0);
            break; //stop
        case 65:togglenobuttons(1);
            break; //auto run
        case 70:checkIt(1);
            break; //forward
        case 66:checkIt(-1);
            break; //back
        case 84:checkIt(7);
            break; //'t' fast forward
        case 82:checkIt(-7);
            break; //'r' rewind
        default:togglenobuttons(0);
            break; //stop
    }
}


function help() { 
    alert("Use these keys as follows: 'H'(help), 'B'or backspace(back), 'F'or spacebar(forward), 'R'(rewind), 'T'(fast forward), 'A'(auto run), 'S'(stop), 'E'(exit) --- If no reaction to keys when pressed, hit the Tab key then press a key");
  }


function checkIt(val) {
    if(browsercompatible && buts) {
        form1.aut.value = "Auto Run";
        form1.aut.title = "Press this Button to Start Movie Mode";
    }
    auto = false;
    goodnum = current + val;
    if(goodnum < 0) {
        goodnum = 0;
        changedisplay(goodnum);
        current = 0;
        alert("You are at the beginning! Press: 'Forward'");
    }
    else if(goodnum > picz.length - 1) {
        goodnum = picz.length - 1;
        changedisplay(goodnum);
        current = goodnum;
        alert("You are at the End of the Slide Show! Press: 'Back'");
    }
    else {
        changedisplay(goodnum);
        current = goodnum;
    }
}

function togglenobuttons(runnow) {
    if(runnow == 1) {
        auto = true;
        stop = setTimeout(FlipImage, secdelay);
    }
    else {
        auto = false;
    }
}

function autorun() {
    if(auto == false) {
        net.aut.value = " Stop ";
        net.ff.value = "  Forward  ";
        net.bb.value = "  Back  ";
        auto = true;
        stop = setTimeout(FlipImage, secdelay);
    }
    else {
        net.aut.value = " Auto Run ";
        auto = false;
    }
}

function resetnetscapebutton() {
    net.aut.value = " Auto Run ";
    auto = false;
}

function togglebuttons() {
    if(form1.aut.value == "Auto Run") {
        form1.aut.value = "  Stop  ";
        form1.aut.title = "Press any button to Stop auto mode!";
        form1.ff.value = "  Forward  ";
        form1.bb.value = "  Back  ";
        auto = true;
        stop = setTimeout(FlipImage, secdelay);
    }
    else {
        form1.aut.value = "Auto Run";
        form1.aut.title = "Press this Button to Start Movie Mode!";
        auto = false;
    }
}

function FlipImage() {
    if(auto == true) {
        place = place + 1;
        if(place < 0 || place > picz.length - 1)
            place = 0;
        var pcnt = place + 1;
        if(buts && bName == "Microsoft Internet Explorer")
            form1.aut.value = "Stop #" + pcnt + " of " + picz.length;
        else if(buts)
            net.aut.value = "Stop #" + pcnt + " of " + picz.length;
        changedisplay(place);
        stop = setTimeout(FlipImage, secdelay);
    }
    else {
        clearTimeout(stop);
    }
}

function picnum() {
    var pn = goodnum + 1;
    if(browsercompatible || bName == "Microsoft Internet Explorer") {
        form1.ff.value = "Forward #" + pn + " of " + picz.length;
        form1.bb.value = " Back #" + pn + " of " + picz.length;
    }
    else {
        net.ff.value = "    Forward #" + pn + " of " + picz.length + "    ";
        net.bb.value = "    Back #" + pn + " of " + picz.length + "     ";
    }
}


function hasbutscaps(b,c) {
    buts = b;
    caps = c;
    var useragent = navigator.userAgent;
    if(useragent.indexOf("Opera") != -1)
        bName = 'Opera';
    else
        bName = navigator.appName;
    var pos = useragent.indexOf("MSIE");
    if(pos != -1)
        bVer = useragent.substring(pos + 5, useragent.indexOf(";", pos));
    pos = useragent.indexOf("Opera");
    if(pos != -1)
        bVer = useragent.substring(pos + 6, useragent.indexOf(" ", pos));
    if(bName == "Netscape")
        bVer = useragent.substring(8, useragent.indexOf(" ", 8));
    if(bName == "Netscape" && parseInt(navigator.appVersion) >= 5)
        bVer = useragent.substring(useragent.lastIndexOf("/") + 1);
    browsercompatible = (bName == "Microsoft Internet Explorer" && bVer >= 5.5);
}

function goRainbow() {
    if(bName == "Microsoft Internet Explorer")
        startRainbow();
}

function randomNum(n) {
    return Math.floor(Math.random()*(n+1));
}
    //-->

