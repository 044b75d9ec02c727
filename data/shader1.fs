#version 120
// Wormhole swirl: the particle sprite tinted by its colour.

uniform sampler2D Flame;

varying vec2 texCoord;
varying vec4 tint;

void main() {
    vec4 sprite = texture2D(Flame, texCoord);
    gl_FragColor = vec4(tint.rgb * sprite.rgb, tint.a * sprite.a);
}
